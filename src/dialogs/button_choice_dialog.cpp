#include "dialogs/button_choice_dialog.h"

#include "platform/dialog_placement.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace dvk {
namespace {

// Room around the text of a button, so that short labels do not give cramped buttons.
constexpr int minimum_button_width = 88;

} // namespace

ButtonChoiceDialog::ButtonChoiceDialog(QWidget* owner, const QString& title, const QString& prompt,
                                       const QStringList& choices)
    : QDialog(owner) {
    setWindowTitle(title);
    setAccessibleName(title);

    auto* text = new QLabel(prompt, this);
    text->setObjectName(QStringLiteral("prompt"));

    auto* buttons = new QHBoxLayout;
    auto* group = new QButtonGroup(this);
    for (const QString& choice : choices) {
        auto* button = new QPushButton(choice, this);
        button->setObjectName(QStringLiteral("choice_%1").arg(m_choices.size() + 1));
        group->addButton(button, static_cast<int>(m_choices.size()));
        m_choices.append(button);
        buttons->addWidget(button);
    }
    connect(group, &QButtonGroup::idClicked, this, &ButtonChoiceDialog::choose);
    m_cancel = new QPushButton(tr("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("cancel"));
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(m_cancel);

    int width = minimum_button_width;
    for (const QPushButton* button : std::as_const(m_choices)) {
        width = std::max(width, button->sizeHint().width());
    }
    width = std::max(width, m_cancel->sizeHint().width());
    for (QPushButton* button : std::as_const(m_choices)) {
        button->setFixedWidth(width);
    }
    m_cancel->setFixedWidth(width);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->setSpacing(16);
    layout->addWidget(text);
    layout->addLayout(buttons);

    focus_first_enabled_choice();
}

QPushButton* ButtonChoiceDialog::choice_button(int index) const {
    return index >= 0 && index < m_choices.size() ? m_choices.at(index) : nullptr;
}

bool ButtonChoiceDialog::choose(int index) {
    const QPushButton* button = choice_button(index);
    if (button == nullptr || !button->isEnabled()) {
        return false;
    }
    done(index + 1);
    return true;
}

void ButtonChoiceDialog::focus_first_enabled_choice() {
    for (QPushButton* button : std::as_const(m_choices)) {
        button->setDefault(false);
    }
    const auto first = std::find_if(m_choices.cbegin(), m_choices.cend(),
                                    [](const QPushButton* button) { return button->isEnabled(); });
    QPushButton* target = first != m_choices.cend() ? *first : m_cancel;
    target->setDefault(true);
    target->setFocus();
}

void ButtonChoiceDialog::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (modifiers == Qt::NoModifier) {
        for (int index = 0; index < m_choices.size(); ++index) {
            const QKeySequence mnemonic = QKeySequence::mnemonic(m_choices.at(index)->text());
            if (!mnemonic.isEmpty() && mnemonic[0].key() == event->key()) {
                choose(index);
                return;
            }
        }
    }
    QDialog::keyPressEvent(event);
}

void ButtonChoiceDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centre_on_owner(this);
}

} // namespace dvk
