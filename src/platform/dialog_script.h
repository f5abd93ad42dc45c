#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QVariant>
#include <QVariantMap>

#include <functional>
#include <optional>

class QDialog;

namespace dvk {

// A scripted answer that works the real dialog: the dialog is shown without a modal loop, the
// driver uses its controls as a user would, and returns true to confirm the dialog ("OK") or
// false to cancel it.
using DialogDriver = std::function<bool(QDialog&)>;

// Answers dvk's modal dialogs and message boxes in place of the user, so that widget tests never
// block on a modal loop. While an object of this class exists, every dialog entry point records
// its call and takes its answer from here instead of opening; without one the dialogs open for
// real. Objects nest: the newest one answers, and the previous one returns when it is destroyed.
class DialogScript {
public:
    struct Call {
        QString dialog;        // the dialog's objectName()
        QVariantMap arguments; // what the dialog would have shown
        QVariant answer;       // the scripted answer; invalid when none was queued
    };

    DialogScript();
    ~DialogScript();
    DialogScript(const DialogScript&) = delete;
    DialogScript& operator=(const DialogScript&) = delete;

    // Queues the answer for the next opening of the dialog named `dialog`.
    void push_answer(const QString& dialog, const QVariant& answer);
    // Answers still queued for any dialog.
    int unused_answers() const;

    const QList<Call>& calls() const { return m_calls; }
    QList<Call> calls_of(const QString& dialog) const;

    // For the dialogs' entry points. Without an active script: nothing (open the dialog).
    // With one: records the call and gives the queued answer, or an invalid QVariant when the
    // test queued none, which the dialog must treat as its cancel answer.
    static std::optional<QVariant> take_answer(const QString& dialog, const QVariantMap& arguments);

    // For dialogs that a driver can work. Without an active script: nothing (run the dialog).
    // With one, the answer for `dialog`'s objectName decides: true accepts the dialog as it
    // opened, a DialogDriver works it, anything else (or none) cancels it. The result tells
    // whether the dialog ended accepted; an accept() that refuses its input counts as cancel.
    static std::optional<bool> run_scripted(QDialog& dialog, const QVariantMap& arguments);

private:
    QHash<QString, QList<QVariant>> m_answers;
    QList<Call> m_calls;
    DialogScript* m_previous = nullptr;

    // The one test hook with process-wide reach: the script that answers now, if any.
    static DialogScript* s_active;
};

} // namespace dvk
