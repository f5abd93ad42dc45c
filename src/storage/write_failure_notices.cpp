#include "storage/write_failure_notices.h"

namespace dvk {

std::optional<WriteNotice> WriteFailureNotices::record(WriteTarget target, const std::string& path,
                                                       const FileStatus& status) {
    State& state = m_states[static_cast<std::size_t>(target)];
    if (status.ok) {
        if (!state.failing) {
            return std::nullopt;
        }
        state = State{};
        return WriteNotice{WriteNotice::Kind::Succeeded, target, path, {}};
    }
    if (state.failing && state.reason == status.reason) {
        return std::nullopt;
    }
    state.failing = true;
    state.reason = status.reason;
    return WriteNotice{WriteNotice::Kind::Failed, target, path, status.reason};
}

void WriteFailureNotices::forget(WriteTarget target) {
    m_states[static_cast<std::size_t>(target)].reason.clear();
}

bool WriteFailureNotices::failing(WriteTarget target) const {
    return m_states[static_cast<std::size_t>(target)].failing;
}

} // namespace dvk
