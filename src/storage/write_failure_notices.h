#pragma once

#include "storage/file_helpers.h"

#include <array>
#include <optional>
#include <string>

namespace dvk {

// The files the program writes on its own, without the user asking for each write.
enum class WriteTarget { Recovery = 0, Settings = 1, AutoSave = 2 };

// What the user is to be told about the program's own writes.
struct WriteNotice {
    enum class Kind {
        Failed,    // a write failed; `reason` is the system's text
        Succeeded, // the first write that worked after a failure
    };
    Kind kind = Kind::Failed;
    WriteTarget target = WriteTarget::Recovery;
    std::string path;
    std::string reason;
};

// Decides when a failing write is worth a message: once when a target starts failing, again
// only when the reason changes, and once when it works again. A full disk thus gives one box,
// not one per visit, and the user learns when the program is safe again.
class WriteFailureNotices {
public:
    // Records the outcome of one write of `target` to `path`.
    std::optional<WriteNotice> record(WriteTarget target, const std::string& path,
                                      const FileStatus& status);
    // Forgets the reasons already told for `target`, so the next failure is told again even
    // with the same reason (auto save tells once per game).
    void forget(WriteTarget target);
    bool failing(WriteTarget target) const;

private:
    struct State {
        bool failing = false;
        std::string reason; // the reason last told
    };
    std::array<State, 3> m_states;
};

} // namespace dvk
