// The archive's readers of outside bytes: a CSV file offered for import and the pending file.
// Neither crashes; a CSV file that is accepted holds only visits the program could have
// written, and a pending file that is read writes back to the same actions.

#include "career/csv_import.h"
#include "career/pending_legs.h"
#include "fuzz_input.h"

#include <cstddef>
#include <cstdint>
#include <string>

using namespace dvk;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    CsvLabels japanese;
    japanese.totals = "合計";
    japanese.round = "ラウンド";
    const CsvImportResult read = parse_game_csv(text, {CsvLabels{}, japanese}, {});
    if (read) {
        for (const ArchivedLeg& leg : read.game->legs) {
            for (const VisitRow& visit : leg.visits) {
                fuzz::require(visit.score >= 0 && visit.score <= 180, "a visit of 0 to 180");
                fuzz::require(visit.left >= 0, "a score left of 0 or more");
            }
        }
    } else {
        fuzz::require(read.line >= 1 && !read.reason.empty(), "a refusal names line and reason");
    }
    if (const auto actions = parse_pending(text)) {
        fuzz::require(parse_pending(serialise_pending(*actions)) == actions,
                      "pending actions write back unchanged");
    }
    return 0;
}
