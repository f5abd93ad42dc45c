#include "settings/option_keys.h"
#include "settings/player_item_flags.h"

#include <gtest/gtest.h>

namespace dvk {
namespace {

TEST(PlayerItemFlags, everyKeyOfTheSectionReachesItsOwnFlag) {
    PlayerInfoOptions items;
    for (const option_keys::PlayerKey& entry : option_keys::player_keys) {
        std::int32_t* flag = player_flag(items, entry.key);
        ASSERT_NE(flag, nullptr) << entry.key;
        EXPECT_EQ(flag, &(items.*entry.field)) << entry.key;
    }
    EXPECT_EQ(player_flag(items, "total_sets_"), nullptr);
    EXPECT_EQ(player_flag(items, ""), nullptr);
}

TEST(PlayerItemFlags, countsBoxesFollowTheirPercentageRow) {
    EXPECT_EQ(counts_base_key("avg_check_out_count"), "avg_check_out");
    EXPECT_EQ(counts_base_key("avg_keep_count"), "avg_keep");
    EXPECT_EQ(counts_base_key("avg_break_count"), "avg_break");
    for (const option_keys::PlayerKey& entry : option_keys::player_keys) {
        const std::string key = entry.key;
        if (key.size() < 6 || key.substr(key.size() - 6) != "_count") {
            EXPECT_FALSE(counts_base_key(key)) << key;
        }
    }
}

} // namespace
} // namespace dvk
