#include "dialogs/select_key_dialog.h"

#include "dialogs/dialog_buttons.h"
#include "dialogs/hot_key_edit.h"
#include "dialogs/number_box.h"
#include "platform/dialog_placement.h"
#include "platform/dialog_script.h"
#include "platform/key_codes.h"
#include "platform/message_boxes.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace dvk {

SelectKeyDialog::SelectKeyDialog(const std::optional<KeyBinding>& binding,
                                 CommandTextFunction command_text, QWidget* owner)
    : QDialog(owner), m_command_text(std::move(command_text)) {
    setObjectName(QStringLiteral("SelectKeyDialog"));
    setWindowTitle(tr("Select key"));
    setAccessibleName(windowTitle());

    m_functions = new QComboBox(this);
    m_functions->setObjectName(QStringLiteral("function"));
    m_functions->setAccessibleName(tr("Function"));
    m_number = new NumberBox(0, max_template_score, 3, this);
    m_number->setObjectName(QStringLiteral("number"));
    m_number->setAccessibleName(tr("Number"));
    m_key = new HotKeyEdit(this);
    m_key->setObjectName(QStringLiteral("key"));
    m_key->setAccessibleName(tr("Shortcut key"));

    auto* form = new QFormLayout;
    form->addRow(tr("&Function:"), m_functions);
    form->addRow(tr("&Number:"), m_number);
    form->addRow(tr("Shortcut &Key:"), m_key);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(form);
    layout->addWidget(ok_cancel_buttons(this));

    const SelectKeyForm opened = open_select_key_form(binding);
    fillFunctions(opened.function);
    m_functions->setCurrentIndex(opened.function ? m_functions->findData(*opened.function) : -1);
    m_number->set_number(opened.number);
    m_key->setKey(opened.modifiers, opened.key);
    connect(m_functions, &QComboBox::currentIndexChanged, this, &SelectKeyDialog::functionChosen);
    functionChosen();
    m_functions->setFocus();
}

// The list in its groups; a command it does not offer (one a binding may still hold, such as
// "About") is added at the end, so that its key can be changed without losing it.
void SelectKeyDialog::fillFunctions(const std::optional<std::int32_t>& shown_action) {
    const std::vector<std::int32_t>& functions = select_key_functions();
    for (const std::int32_t action : functions) {
        if (action == function_separator) {
            m_functions->insertSeparator(m_functions->count());
        } else if (action == template_function) {
            m_functions->addItem(QCoreApplication::translate("dvk::KeyPage", "Template"), action);
        } else {
            m_functions->addItem(action_name(action, m_command_text), action);
        }
    }
    if (shown_action &&
        std::find(functions.begin(), functions.end(), *shown_action) == functions.end()) {
        m_functions->insertSeparator(m_functions->count());
        m_functions->addItem(action_name(*shown_action, m_command_text), *shown_action);
    }
}

SelectKeyForm SelectKeyDialog::form() const {
    SelectKeyForm form;
    const QVariant action = m_functions->currentData();
    if (action.isValid()) {
        form.function = action.toInt();
    }
    form.number_enabled = m_number->isEnabled();
    form.number = m_number->number();
    form.modifiers = m_key->modifiers();
    form.key = m_key->virtualKey();
    return form;
}

void SelectKeyDialog::functionChosen() {
    m_number->setEnabled(m_functions->currentData().toInt() == template_function);
}

void SelectKeyDialog::accept() {
    const SelectKeyResult result = read_select_key_form(form());
    switch (result.problem) {
    case SelectKeyProblem::TemplateOutOfRange:
        MessageBoxes::warning(this, tr("The range of a template is 0 to 180."));
        m_number->setFocus();
        m_number->selectAll();
        return;
    case SelectKeyProblem::NoFunction:
        m_functions->setFocus();
        return;
    case SelectKeyProblem::None:
        break;
    }
    if (takes_score_entry_key(result.binding)) {
        const QString key = format_key_name(result.binding.modifiers, result.binding.key);
        const QString question =
            tr("%1 is a key for entering scores. Bound to \"%2\", it no longer does that.\n"
               "Do you want to bind it all the same?")
                .arg(key, action_name(result.binding.action, m_command_text));
        if (!MessageBoxes::question(this, question, MessageBoxes::Button::No)) {
            m_key->setFocus();
            return;
        }
    }
    m_binding = result.binding;
    QDialog::accept();
}

void SelectKeyDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centre_on_owner(this);
}

std::optional<KeyBinding> SelectKeyDialog::edit(QWidget* owner,
                                                const std::optional<KeyBinding>& binding,
                                                const CommandTextFunction& command_text) {
    SelectKeyDialog dialog(binding, command_text, owner);
    QVariantMap arguments;
    if (binding) {
        arguments = {{QStringLiteral("action"), binding->action},
                     {QStringLiteral("modifiers"), binding->modifiers},
                     {QStringLiteral("key"), binding->key}};
    }
    const std::optional<bool> scripted = DialogScript::run_scripted(dialog, arguments);
    if (!(scripted ? *scripted : dialog.exec() == QDialog::Accepted)) {
        return std::nullopt;
    }
    return dialog.binding();
}

} // namespace dvk
