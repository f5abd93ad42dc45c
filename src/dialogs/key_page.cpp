#include "dialogs/key_page.h"

#include "dialogs/list_editor.h"
#include "dialogs/select_key_dialog.h"
#include "platform/key_codes.h"
#include "platform/message_boxes.h"
#include "settings/options_load.h"

#include <QTreeWidget>
#include <QVBoxLayout>

#include <utility>

namespace dvk {

KeyPage::KeyPage(const AppOptions& options, CommandTextFunction command_text, QWidget* parent)
    : OptionPage(parent), m_command_text(std::move(command_text)),
      m_model(options.keys, [this](std::int32_t action) {
          return !action_name(action, m_command_text).isEmpty();
      }) {
    setObjectName(QStringLiteral("KeyPage"));
    setWindowTitle(tr("Key"));
    m_editor = new ListEditor(
        tr("Short cut &settings:"),
        {{tr("Function"), 200, Qt::AlignLeft}, {tr("Key"), 100, Qt::AlignLeft}}, this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_editor);
    for (std::size_t row = 0; row < m_model.row_count(); ++row) {
        m_editor->appendRow(rowTexts(m_model.row(row)));
    }
    connect(m_editor, &ListEditor::currentRowChanged, this, &KeyPage::updateButtons);
    connect(m_editor, &ListEditor::addRequested, this, &KeyPage::addBinding);
    connect(m_editor, &ListEditor::editRequested, this, &KeyPage::editBinding);
    connect(m_editor, &ListEditor::deleteRequested, this, &KeyPage::deleteBinding);
    connect(m_editor, &ListEditor::upRequested, this, [this](int row) { moveBinding(row, true); });
    connect(m_editor, &ListEditor::downRequested, this,
            [this](int row) { moveBinding(row, false); });
    m_editor->selectRow(0);
    updateButtons();
    setFocusProxy(m_editor->list());
}

QStringList KeyPage::rowTexts(const KeyBinding& binding) const {
    const QString key = format_key_name(binding.modifiers, binding.key);
    return {action_name(binding.action, m_command_text), key.isEmpty() ? tr("Nothing") : key};
}

void KeyPage::updateButtons() {
    const bool selected = m_editor->currentRow() >= 0;
    m_editor->setRowButtons(selected, selected, selected, selected);
}

void KeyPage::addBinding() {
    if (!m_model.can_add()) {
        MessageBoxes::warning(
            this, tr("No key can be added: the key table holds %1 keys, as many as it can.")
                      .arg(max_key_bindings));
        return;
    }
    const std::optional<KeyBinding> added =
        SelectKeyDialog::edit(this, std::nullopt, m_command_text);
    if (!added || !m_model.add(*added)) {
        return;
    }
    m_editor->appendAndSelect(rowTexts(*added));
}

void KeyPage::editBinding(int row) {
    const auto index = static_cast<std::size_t>(row);
    const std::optional<KeyBinding> edited =
        SelectKeyDialog::edit(this, m_model.row(index), m_command_text);
    if (!edited) {
        return;
    }
    m_model.replace(index, *edited);
    m_editor->setRowTexts(row, rowTexts(*edited));
}

void KeyPage::deleteBinding(int row) {
    if (!m_editor->confirmDelete()) {
        return;
    }
    m_model.remove(static_cast<std::size_t>(row));
    m_editor->removeRow(row);
}

void KeyPage::moveBinding(int row, bool up) {
    const auto index = static_cast<std::size_t>(row);
    const std::optional<std::size_t> moved = up ? m_model.move_up(index) : m_model.move_down(index);
    if (moved) {
        m_editor->moveRow(row, static_cast<int>(*moved));
    }
}

void KeyPage::apply(AppOptions& options) const {
    m_model.apply_to(options);
}

} // namespace dvk
