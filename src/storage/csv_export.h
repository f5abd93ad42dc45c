#pragma once

#include "model/game_record.h"
#include "storage/csv_labels.h"
#include "storage/file_helpers.h"

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace dvk {

// The user's locale as the CSV file needs it: the labels and the short date and time texts.
struct CsvLocale {
    CsvLabels labels;
    std::function<std::string(const SystemTime&)> date;
    std::function<std::string(const SystemTime&)> time;
};

// A text as one CSV field: enclosed in double quotes, with inner quotes doubled, when it
// holds a comma or a double quote; otherwise unchanged.
std::string csv_quote(std::string_view text);

// The per-dart quotient the file prints: single-precision operands, 0 for a zero denominator,
// the result rounded to single precision.
float csv_quotient(std::int32_t numerator, std::int32_t denominator, float factor = 1.0F);

// The game as its completed legs leave it: a copy whose totals leave out the leg in progress,
// so that they agree with the leg tables, which end with the last completed leg. A game whose
// leg in progress has no visit yet comes back unchanged.
GameRecord completed_legs_game(const GameRecord& game);

// The whole file of one game: header, the game totals of both players and a table for every
// completed leg. Lines end in "\r\n".
std::string compose_game_csv(const GameRecord& game, const CsvLocale& locale);

// Composes the game and replaces `path` with it atomically.
FileStatus write_game_csv(const GameRecord& game, const std::filesystem::path& path,
                          const CsvLocale& locale);

} // namespace dvk
