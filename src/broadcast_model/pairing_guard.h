#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

namespace dvk {

enum class PairingOutcome { paired, wrong_code, locked_out };

// The pairing code of the keypad page. Each address has five tries; the fifth wrong code locks
// it out for a minute, during which even the right code is refused. Times are milliseconds of
// any steady clock.
class PairingGuard {
public:
    static constexpr int tries = 5;
    static constexpr std::int64_t lockout_ms = 60'000;
    // Addresses remembered at most; the oldest record goes first, so a flood of addresses
    // cannot grow the table.
    static constexpr std::size_t max_addresses = 256;

    explicit PairingGuard(std::string code) : m_code(std::move(code)) {}

    const std::string& code() const { return m_code; }
    PairingOutcome try_code(const std::string& address, std::string_view code, std::int64_t now);
    bool locked_out(const std::string& address, std::int64_t now) const;

private:
    struct Record {
        int failures = 0;
        std::int64_t locked_until = 0;
        std::int64_t last_seen = 0;
    };

    bool matches(std::string_view code) const;
    void make_room();

    std::string m_code;
    std::map<std::string, Record> m_records;
};

// Requests a client may send: a bucket of `burst` requests refilled at `per_second`.
class RequestBudget {
public:
    RequestBudget(int per_second, int burst) : m_per_second(per_second), m_burst(burst) {}

    // Takes one request; false when the client has sent too many.
    bool take(std::int64_t now);

private:
    int m_per_second;
    int m_burst;
    double m_tokens = -1;
    std::int64_t m_last = 0;
};

} // namespace dvk
