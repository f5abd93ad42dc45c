#pragma once

#include "career/career_rows.h"
#include "storage/csv_labels.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dvk {

// A game read from one of the program's CSV files, as archive rows. What the file keeps only
// for the whole game (darts at a double, check-outs and misses by range when they cannot be
// told from the visits) is kept with the game's last leg, so the game's sums equal the file's
// totals.
struct ImportedGame {
    GameRow game;
    std::vector<ArchivedLeg> legs;
    GameResultRow result;
    std::string started_text; // the date and time as the file writes them
};

struct CsvImportResult {
    std::optional<ImportedGame> game;
    int line = 0;       // the line a refusal is about, from 1
    std::string reason; // English text of the refusal

    explicit operator bool() const { return game.has_value(); }
};

// Reads the date and time of a file's first field into a time; nothing when it cannot.
using StartedParser = std::function<std::optional<SystemTime>(std::string_view)>;

// Parses the text of a CSV file that the program wrote ("Save As" or auto save) in any of the
// given languages. A file that is not one of ours is refused with the line and the reason.
// A file whose date cannot be read keeps its date text in the game's identity.
CsvImportResult parse_game_csv(std::string_view text, const std::vector<CsvLabels>& languages,
                               const StartedParser& parse_started);

// The identity of an imported game: its start to the second, start scores and names.
std::string imported_identity(const ImportedGame& game);

} // namespace dvk
