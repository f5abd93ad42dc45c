#pragma once

#include <csignal>
#include <sys/resource.h>

namespace dvk::test {

// Makes every write beyond `bytes` into any file fail (as a full disk would) while it lives.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        m_old_handler = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_old_limit);
        rlimit limit = m_old_limit;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_old_limit);
        std::signal(SIGXFSZ, m_old_handler);
    }

private:
    rlimit m_old_limit{};
    void (*m_old_handler)(int) = nullptr;
};

} // namespace dvk::test
