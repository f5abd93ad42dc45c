#include "gallery_capture.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QWidget>

namespace dvk {

void settle() {
    for (int i = 0; i < 5; ++i) {
        QApplication::processEvents();
    }
}

void save_picture(QWidget& widget, const QString& folder, const QString& name) {
    settle();
    widget.grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

} // namespace dvk
