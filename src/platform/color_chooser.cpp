#include "platform/color_chooser.h"

#include "platform/dialog_script.h"

#include <QColorDialog>
#include <QVariant>

namespace dvk {

std::optional<QColor> choose_color(QWidget* owner, const QColor& initial, const QString& title) {
    const QVariantMap arguments{{QStringLiteral("initial"), initial},
                                {QStringLiteral("title"), title}};
    if (const auto scripted = DialogScript::take_answer(QStringLiteral("ColorDialog"), arguments)) {
        const QColor chosen = scripted->value<QColor>();
        return chosen.isValid() ? std::optional<QColor>(chosen) : std::nullopt;
    }
    QColorDialog dialog(initial, owner);
    dialog.setObjectName(QStringLiteral("ColorDialog"));
    dialog.setWindowTitle(title);
    if (dialog.exec() != QDialog::Accepted || !dialog.selectedColor().isValid()) {
        return std::nullopt;
    }
    return dialog.selectedColor();
}

} // namespace dvk
