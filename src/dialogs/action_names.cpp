#include "dialogs/action_names.h"

#include "settings/key_binding.h"
#include "settings/key_table.h"

#include <QCoreApplication>

namespace dvk {

QString action_name(int action, const CommandTextFunction& command_text) {
    if (is_template_action(action)) {
        return QCoreApplication::translate("dvk::KeyPage", "%1 - %2")
            .arg(QCoreApplication::translate("dvk::KeyPage", "Template"))
            .arg(action - template_action_base);
    }
    const QString text = command_text ? command_text(action) : QString();
    return QString::fromStdString(menu_text_to_label(text.toStdString()));
}

} // namespace dvk
