#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QVariant>
#include <QVariantMap>

#include <optional>

namespace dvk {

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

private:
    QHash<QString, QList<QVariant>> m_answers;
    QList<Call> m_calls;
    DialogScript* m_previous = nullptr;

    // The one test hook with process-wide reach: the script that answers now, if any.
    static DialogScript* s_active;
};

} // namespace dvk
