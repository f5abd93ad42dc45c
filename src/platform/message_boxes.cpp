#include "platform/message_boxes.h"

#include "platform/dialog_script.h"

#include <QMessageBox>
#include <QVariant>

namespace dvk {
namespace {

QMessageBox::Icon qt_icon(MessageBoxes::Icon icon) {
    switch (icon) {
    case MessageBoxes::Icon::Question:
        return QMessageBox::Question;
    case MessageBoxes::Icon::Information:
        return QMessageBox::Information;
    case MessageBoxes::Icon::Warning:
        return QMessageBox::Warning;
    case MessageBoxes::Icon::Error:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton qt_button(MessageBoxes::Button button) {
    switch (button) {
    case MessageBoxes::Button::Ok:
        return QMessageBox::Ok;
    case MessageBoxes::Button::Cancel:
        return QMessageBox::Cancel;
    case MessageBoxes::Button::Yes:
        return QMessageBox::Yes;
    case MessageBoxes::Button::No:
        return QMessageBox::No;
    }
    return QMessageBox::NoButton;
}

QVariantList to_variant_list(const QList<MessageBoxes::Button>& buttons) {
    QVariantList list;
    for (const MessageBoxes::Button button : buttons) {
        list.append(QVariant::fromValue(button));
    }
    return list;
}

QList<MessageBoxes::Button> to_buttons(const QVariantList& list) {
    QList<MessageBoxes::Button> buttons;
    for (const QVariant& value : list) {
        buttons.append(value.value<MessageBoxes::Button>());
    }
    return buttons;
}

} // namespace

QString MessageBoxes::application_title() {
    return QStringLiteral("dvk Ver 0.2.6");
}

bool MessageBoxes::question(QWidget* owner, const QString& text, Button default_button) {
    const Shown box{
        Icon::Question, application_title(), text, {Button::Yes, Button::No}, default_button};
    return ask(owner, box, Button::No) == Button::Yes;
}

void MessageBoxes::information(QWidget* owner, const QString& text, const QString& caption) {
    const Shown box{Icon::Information,
                    caption.isEmpty() ? application_title() : caption,
                    text,
                    {Button::Ok},
                    Button::Ok};
    ask(owner, box, Button::Ok);
}

bool MessageBoxes::ok_cancel(QWidget* owner, const QString& text, const QString& caption) {
    const Shown box{Icon::Information,
                    caption.isEmpty() ? application_title() : caption,
                    text,
                    {Button::Ok, Button::Cancel},
                    Button::Ok};
    return ask(owner, box, Button::Cancel) == Button::Ok;
}

void MessageBoxes::warning(QWidget* owner, const QString& text) {
    const Shown box{Icon::Warning, application_title(), text, {Button::Ok}, Button::Ok};
    ask(owner, box, Button::Ok);
}

void MessageBoxes::error(QWidget* owner, const QString& text, const QString& caption) {
    const Shown box{Icon::Error,
                    caption.isEmpty() ? application_title() : caption,
                    text,
                    {Button::Ok},
                    Button::Ok};
    ask(owner, box, Button::Ok);
}

void MessageBoxes::set_next_answers(DialogScript& script, const QList<Button>& answers) {
    for (const Button answer : answers) {
        script.push_answer(QString::fromLatin1(dialog_name), QVariant::fromValue(answer));
    }
}

QList<MessageBoxes::Shown> MessageBoxes::shown(const DialogScript& script) {
    QList<Shown> boxes;
    for (const DialogScript::Call& call : script.calls_of(QString::fromLatin1(dialog_name))) {
        const QVariantMap& arguments = call.arguments;
        boxes.append(Shown{arguments.value(QStringLiteral("icon")).value<Icon>(),
                           arguments.value(QStringLiteral("caption")).toString(),
                           arguments.value(QStringLiteral("text")).toString(),
                           to_buttons(arguments.value(QStringLiteral("buttons")).toList()),
                           arguments.value(QStringLiteral("default")).value<Button>()});
    }
    return boxes;
}

MessageBoxes::Button MessageBoxes::ask(QWidget* owner, const Shown& box, Button escape_button) {
    const QVariantMap arguments{
        {QStringLiteral("icon"), QVariant::fromValue(box.icon)},
        {QStringLiteral("caption"), box.caption},
        {QStringLiteral("text"), box.text},
        {QStringLiteral("buttons"), to_variant_list(box.buttons)},
        {QStringLiteral("default"), QVariant::fromValue(box.default_button)},
    };
    if (const auto scripted =
            DialogScript::take_answer(QString::fromLatin1(dialog_name), arguments)) {
        const Button answer = scripted->value<Button>();
        const bool possible = scripted->isValid() && box.buttons.contains(answer);
        return possible ? answer : escape_button;
    }

    QMessageBox message(qt_icon(box.icon), box.caption, box.text, QMessageBox::NoButton, owner);
    message.setObjectName(QString::fromLatin1(dialog_name));
    for (const Button button : box.buttons) {
        message.addButton(qt_button(button));
    }
    message.setDefaultButton(qt_button(box.default_button));
    message.setEscapeButton(message.button(qt_button(escape_button)));
    const auto clicked = static_cast<QMessageBox::StandardButton>(message.exec());
    for (const Button button : box.buttons) {
        if (qt_button(button) == clicked) {
            return button;
        }
    }
    return escape_button;
}

} // namespace dvk
