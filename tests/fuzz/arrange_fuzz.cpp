// The check-out and COM table parsers on any text, with what the program does with a table:
// the suggestions and the dart-out ways for every score, and a leg the computer plays.

#include "com/arrange_parser.h"
#include "com/com_leg.h"
#include "com/com_table.h"
#include "com/way_tree.h"
#include "fuzz_input.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

using namespace dvk;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const ArrangeTable table = parse_arrange_text(text);
    for (std::int32_t score = -1; score <= 182; ++score) {
        for (const std::size_t entry : entries_for_score(table, score)) {
            fuzz::require(entry < table.count(), "entries lie in the table");
            suggestion_text(table.entries[entry]);
            way_text(table.entries[entry]);
        }
        suggestion_lines(table, score);
    }
    WayTree tree;
    build_way_tree(tree, table, WayTree::root, 170, 0);
    fuzz::require(tree.size() <= WayTree::max_items, "the way tree stays bounded");

    const ComTable com(table);
    const std::uint32_t seed = size > 0 ? data[0] : 0;
    ComThrower thrower(com, Segment{20, 3}, seed);
    const auto level = static_cast<std::int32_t>(seed % 13);
    const ComLegStats leg = play_com_leg(thrower, {level, 11 - level % 12}, 301, seed & 1U);
    fuzz::require(leg.rounds <= com_leg_round_limit, "a computer leg ends");
    return 0;
}
