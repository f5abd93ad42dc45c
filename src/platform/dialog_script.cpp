#include "platform/dialog_script.h"

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

} // namespace dvk
