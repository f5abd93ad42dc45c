#pragma once

#include "model/game_record.h"

#include <cstdint>
#include <optional>
#include <string>

namespace dvk {

enum class OpponentKind { Any, Human, Computer };

// Which games a career figure counts. Empty fields do not filter. Periods compare the game's
// start; `to` includes its whole day when its time of day is 00:00:00.
struct CareerFilter {
    std::optional<SystemTime> from;
    std::optional<SystemTime> to;
    std::optional<std::string> opponent; // a player's name as the archive lists it
    std::optional<std::int32_t> start_score;
    OpponentKind opponent_kind = OpponentKind::Any;

    bool operator==(const CareerFilter&) const = default;
};

// The text form of a time the archive stores and compares: "YYYY-MM-DD HH:MM:SS.mmm".
std::string archive_time_text(const SystemTime& time);
// The inverse; nothing for a text not of that form or an impossible date.
std::optional<SystemTime> parse_archive_time(const std::string& text);

// The inclusive bounds of a filter's period as archive texts ("" for an open end).
std::string period_start_text(const CareerFilter& filter);
std::string period_end_text(const CareerFilter& filter);

} // namespace dvk
