#include "platform/dialog_script.h"

#include <QDialog>

namespace dvk {

DialogScript* DialogScript::s_active = nullptr;

DialogScript::DialogScript() : m_previous(s_active) {
    s_active = this;
}

DialogScript::~DialogScript() {
    if (s_active == this) {
        s_active = m_previous;
    }
}

void DialogScript::push_answer(const QString& dialog, const QVariant& answer) {
    m_answers[dialog].append(answer);
}

int DialogScript::unused_answers() const {
    int count = 0;
    for (const QList<QVariant>& answers : m_answers) {
        count += static_cast<int>(answers.size());
    }
    return count;
}

QList<DialogScript::Call> DialogScript::calls_of(const QString& dialog) const {
    QList<Call> found;
    for (const Call& call : m_calls) {
        if (call.dialog == dialog) {
            found.append(call);
        }
    }
    return found;
}

std::optional<QVariant> DialogScript::take_answer(const QString& dialog,
                                                  const QVariantMap& arguments) {
    if (s_active == nullptr) {
        return std::nullopt;
    }
    QList<QVariant>& queued = s_active->m_answers[dialog];
    const QVariant answer = queued.isEmpty() ? QVariant() : queued.takeFirst();
    s_active->m_calls.append(Call{dialog, arguments, answer});
    return answer;
}

std::optional<bool> DialogScript::run_scripted(QDialog& dialog, const QVariantMap& arguments) {
    const std::optional<QVariant> answer = take_answer(dialog.objectName(), arguments);
    if (!answer) {
        return std::nullopt;
    }
    dialog.setResult(QDialog::Rejected);
    if (answer->canConvert<DialogDriver>()) {
        dialog.show();
        const bool confirm = answer->value<DialogDriver>()(dialog);
        if (dialog.isVisible()) {
            if (confirm) {
                dialog.accept();
            }
            if (dialog.isVisible()) {
                dialog.reject();
            }
        }
    } else if (answer->metaType().id() == QMetaType::Bool && answer->toBool()) {
        dialog.accept();
    }
    return dialog.result() == QDialog::Accepted;
}

} // namespace dvk
