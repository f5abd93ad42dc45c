#include "broadcast_model/broadcast_settings.h"

#include <gtest/gtest.h>

namespace dvk {
namespace {

TEST(BroadcastSettings, aFileWithoutTheSectionGivesTheServerOffOnThisComputer) {
    const ProfileDocument doc = ProfileDocument::parse("[option]\r\nstart_score=501\r\n");
    EXPECT_EQ(read_broadcast_settings(doc), BroadcastSettings{});
    EXPECT_FALSE(BroadcastSettings{}.lan);
    EXPECT_FALSE(BroadcastSettings{}.autostart);
}

TEST(BroadcastSettings, writtenValuesReadBackAndOtherSectionsStay) {
    ProfileDocument doc = ProfileDocument::parse("[option]\r\nstart_score=301\r\n");
    write_broadcast_settings(doc, BroadcastSettings{9000, true, true});
    const ProfileDocument again = ProfileDocument::parse(doc.serialise());
    EXPECT_EQ(read_broadcast_settings(again), (BroadcastSettings{9000, true, true}));
    EXPECT_EQ(again.get_int("option", "start_score", 0), 301);
}

TEST(BroadcastSettings, damagedValuesFallBackToTheSafeDefaults) {
    for (const char* text : {"[broadcast]\r\nport=80\r\nlan=2\r\nautostart=-1\r\n",
                             "[broadcast]\r\nport=70000\r\nlan=yes\r\nautostart=x\r\n"}) {
        const BroadcastSettings s = read_broadcast_settings(ProfileDocument::parse(text));
        EXPECT_EQ(s, BroadcastSettings{}) << text;
    }
}

} // namespace
} // namespace dvk
