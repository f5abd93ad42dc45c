#include "gallery_check_out.h"

#include "dialogs/check_out_dialog.h"
#include "dialogs/check_out_mode_dialog.h"
#include "dialogs/middle_for_diddle_dialog.h"

#include <QApplication>
#include <QDir>

namespace dvk {
namespace {

void save(QWidget& dialog, const QString& folder, const QString& name) {
    dialog.show();
    QApplication::processEvents();
    dialog.grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

} // namespace

void render_check_out_gallery(const QString& folder) {
    QDir().mkpath(folder);
    {
        CheckOutDialog dialog(100);
        save(dialog, folder, QStringLiteral("check_out_100"));
    }
    {
        CheckOutModeDialog dialog(2, 0, 3, QStringLiteral("Liberation Sans"));
        save(dialog, folder, QStringLiteral("check_out_mode"));
    }
    {
        // The middle for diddle is thrown between two people only: with the computer in the
        // game the leg is drawn.
        MiddleForDiddleDialog dialog(QStringLiteral("Nora Castell"), QStringLiteral("Ivo Brandt"));
        save(dialog, folder, QStringLiteral("middle_for_diddle"));
    }
}

} // namespace dvk
