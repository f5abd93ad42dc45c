#pragma once

#include <QList>
#include <QString>

class QWidget;

namespace dvk {

class DialogScript;

// Every message box of the program: the application title as caption unless a caption is
// given, the icon and buttons of its kind. Under a DialogScript the boxes are answered by the
// script (in the order they appear) and recorded instead of shown.
class MessageBoxes {
public:
    enum class Icon { Question, Information, Warning, Error };
    enum class Button { Ok, Cancel, Yes, No };

    // What a box showed, as recorded by a DialogScript.
    struct Shown {
        Icon icon = Icon::Information;
        QString caption;
        QString text;
        QList<Button> buttons;
        Button default_button = Button::Ok;
    };

    // The objectName of every box, and the name its answers are queued under.
    static constexpr const char* dialog_name = "MessageBox";

    static QString application_title();

    // Question icon, Yes and No; true for Yes.
    static bool question(QWidget* owner, const QString& text, Button default_button = Button::Yes);
    // Information icon, OK.
    static void information(QWidget* owner, const QString& text, const QString& caption = {});
    // Information icon, OK and Cancel; true for OK. An empty caption gives the title.
    static bool ok_cancel(QWidget* owner, const QString& text, const QString& caption);
    // Warning icon, OK.
    static void warning(QWidget* owner, const QString& text);
    // Error icon, OK.
    static void error(QWidget* owner, const QString& text, const QString& caption = {});

    // Test helpers over a DialogScript: queue the answers of the next boxes, read what was shown.
    // An answer that is not one of a box's buttons, or a missing one, counts as Escape.
    static void set_next_answers(DialogScript& script, const QList<Button>& answers);
    static QList<Shown> shown(const DialogScript& script);

private:
    static Button ask(QWidget* owner, const Shown& box, Button escape_button);
};

} // namespace dvk
