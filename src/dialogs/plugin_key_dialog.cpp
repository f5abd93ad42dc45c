#include "dialogs/plugin_key_dialog.h"

#include "dialogs/dialog_buttons.h"
#include "dialogs/hot_key_edit.h"
#include "platform/dialog_placement.h"
#include "platform/dialog_script.h"
#include "platform/key_codes.h"
#include "platform/message_boxes.h"
#include "settings/select_key_form.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QVBoxLayout>

#include <utility>

namespace dvk {

PluginKeyDialog::PluginKeyDialog(const PluginKey& key, QString title, QWidget* owner)
    : QDialog(owner), m_title(std::move(title)) {
    setObjectName(QStringLiteral("PluginKeyDialog"));
    setWindowTitle(tr("Select key"));
    setAccessibleName(windowTitle());
    m_key = new HotKeyEdit(this);
    m_key->setObjectName(QStringLiteral("key"));
    m_key->setAccessibleName(tr("Shortcut key"));
    m_key->setKey(key.modifiers, key.key);
    auto* form = new QFormLayout;
    form->addRow(tr("Shortcut &Key:"), m_key);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(form);
    layout->addWidget(ok_cancel_buttons(this));
    m_key->setFocus();
}

PluginKey PluginKeyDialog::key() const {
    return {m_key->modifiers(), m_key->virtualKey()};
}

void PluginKeyDialog::accept() {
    const PluginKey chosen = key();
    if (takes_score_entry_key(KeyBinding{0, chosen.modifiers, chosen.key})) {
        // The Key page asks the same for a key bound to a command.
        const QString question =
            QCoreApplication::translate(
                "dvk::SelectKeyDialog",
                "%1 is a key for entering scores. Bound to \"%2\", it no longer does that.\n"
                "Do you want to bind it all the same?")
                .arg(format_key_name(chosen.modifiers, chosen.key), m_title);
        if (!MessageBoxes::question(this, question, MessageBoxes::Button::No)) {
            m_key->setFocus();
            return;
        }
    }
    QDialog::accept();
}

void PluginKeyDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centre_on_owner(this);
}

std::optional<PluginKey> PluginKeyDialog::edit(QWidget* owner, const PluginKey& key,
                                               const QString& title) {
    PluginKeyDialog dialog(key, title, owner);
    const QVariantMap arguments{{QStringLiteral("modifiers"), key.modifiers},
                                {QStringLiteral("key"), key.key},
                                {QStringLiteral("title"), title}};
    const std::optional<bool> scripted = DialogScript::run_scripted(dialog, arguments);
    if (!(scripted ? *scripted : dialog.exec() == QDialog::Accepted)) {
        return std::nullopt;
    }
    return dialog.key();
}

} // namespace dvk
