#include "broadcast_model/pairing_guard.h"

#include <algorithm>

namespace dvk {

bool PairingGuard::matches(std::string_view code) const {
    // Compares every character whatever the first difference, so the time of an answer does
    // not tell how much of a guess was right.
    unsigned difference = code.size() == m_code.size() ? 0U : 1U;
    for (std::size_t i = 0; i < m_code.size(); ++i) {
        const char guess = i < code.size() ? code[i] : '\0';
        difference |= static_cast<unsigned>(static_cast<unsigned char>(guess) ^
                                            static_cast<unsigned char>(m_code[i]));
    }
    return difference == 0 && !m_code.empty();
}

bool PairingGuard::locked_out(const std::string& address, std::int64_t now) const {
    const auto found = m_records.find(address);
    return found != m_records.end() && now < found->second.locked_until;
}

void PairingGuard::make_room() {
    if (m_records.size() < max_addresses) {
        return;
    }
    const auto oldest =
        std::min_element(m_records.begin(), m_records.end(), [](const auto& a, const auto& b) {
            return a.second.last_seen < b.second.last_seen;
        });
    m_records.erase(oldest);
}

PairingOutcome PairingGuard::try_code(const std::string& address, std::string_view code,
                                      std::int64_t now) {
    if (locked_out(address, now)) {
        return PairingOutcome::locked_out;
    }
    if (matches(code)) {
        m_records.erase(address);
        return PairingOutcome::paired;
    }
    if (m_records.find(address) == m_records.end()) {
        make_room();
    }
    Record& record = m_records[address];
    record.last_seen = now;
    if (record.locked_until != 0 && now >= record.locked_until) {
        record = Record{0, 0, now};
    }
    if (++record.failures >= tries) {
        record.failures = 0;
        record.locked_until = now + lockout_ms;
        return PairingOutcome::locked_out;
    }
    return PairingOutcome::wrong_code;
}

bool RequestBudget::take(std::int64_t now) {
    if (m_tokens < 0) {
        m_tokens = m_burst;
        m_last = now;
    }
    const double elapsed = static_cast<double>(std::max<std::int64_t>(0, now - m_last)) / 1000.0;
    m_tokens = std::min<double>(m_burst, m_tokens + elapsed * m_per_second);
    m_last = now;
    if (m_tokens < 1) {
        return false;
    }
    m_tokens -= 1;
    return true;
}

} // namespace dvk
