#pragma once

#include "career/career_rows.h"

#include <string>
#include <vector>

namespace dvk {

// One leg with its visits, as the export writes it.
struct ExportLeg {
    LegRow leg;
    std::vector<VisitRow> visits;
};

// One game of the export.
struct ExportGame {
    GameRow game;
    GameResultRow result;
    std::vector<ExportLeg> legs;
};

// The flat CSV: one row per visit with the columns date, game, leg, player1, player2, round,
// thrower, score, left, darts (UTF-8, CRLF, quoted by the program's CSV rule). `header` is
// the first line; each game's rows follow from `csv_rows`.
std::string export_csv_header();
std::string export_csv_rows(const ExportGame& game);

// The JSON export: {"format":"dvk-archive","version":1,"games":[...]}; a game holds its
// options, players, result and legs with their counters and visits. Written in pieces so a
// large archive is never held whole: the opening, each game (with a separating comma from the
// second on), the closing.
std::string export_json_begin();
std::string export_json_game(const ExportGame& game, bool first);
std::string export_json_end();

} // namespace dvk
