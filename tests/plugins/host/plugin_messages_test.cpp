#include "host_rig.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

#include <cstring>
#include <deque>
#include <thread>

namespace dvk::testing {
namespace {

template <typename T>
T* ask(HostRig& rig, std::uint32_t message, std::uintptr_t wparam = 0, std::intptr_t lparam = 0) {
    return reinterpret_cast<T*>(dvk_send_message(rig.handle(), message, wparam, lparam));
}

struct MessagesTest : ::testing::Test {
    HostRig rig;

    void SetUp() override {
        rig.start({});
        rig.visits({100, 45});
    }
};

TEST_F(MessagesTest, queriesAreAnsweredWithCopiesOfTheProgramsRecords) {
    EXPECT_EQ(dvk_send_message(rig.handle(), DVK_MSG_INTERFACE_VERSION, 0, 0), 26);
    const auto* game = ask<dvk_game_record>(rig, DVK_MSG_GET_GAME);
    ASSERT_NE(game, nullptr);
    EXPECT_EQ(game->players[0].remaining, 201);
    EXPECT_EQ(ask<dvk_game_record>(rig, DVK_MSG_GET_GAME), game); // one copy per call
    const auto* options = ask<dvk_app_options>(rig, DVK_MSG_GET_OPTIONS);
    ASSERT_NE(options, nullptr);
    EXPECT_EQ(options->game.start_score, 301);
    const auto* game_options = ask<dvk_game_options>(rig, DVK_MSG_GET_GAME_OPTIONS);
    ASSERT_NE(game_options, nullptr);
    EXPECT_STREQ(game_options->p2_name, "Bob");
    const auto* history = ask<dvk_history_list>(rig, DVK_MSG_GET_HISTORY);
    ASSERT_NE(history, nullptr);
    EXPECT_EQ(history->count, 0);
    EXPECT_EQ(history->current, game);
    const auto* list = ask<dvk_score_list_state>(rig, DVK_MSG_GET_SCORE_LIST);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->input_round, 1);
    EXPECT_EQ(list->game, game);
    const auto* windows = ask<dvk_window>(rig, DVK_MSG_GET_WINDOWS);
    ASSERT_NE(windows, nullptr);
    EXPECT_EQ(windows[DVK_WINDOW_MAIN], rig.handle());

    // The copies of a message outside a call live until the event loop runs again.
    rig.visits({60});
    EXPECT_EQ(ask<dvk_game_record>(rig, DVK_MSG_GET_GAME)->players[0].remaining, 201);
    QCoreApplication::processEvents();
    EXPECT_EQ(ask<dvk_game_record>(rig, DVK_MSG_GET_GAME)->players[0].remaining, 141);
}

TEST_F(MessagesTest, theInputCellIsStoredThroughThePointersGiven) {
    std::int32_t player = -1;
    std::int32_t round = -1;
    const std::intptr_t packed =
        dvk_send_message(rig.handle(), DVK_MSG_GET_INPUT_CELL, reinterpret_cast<uintptr_t>(&player),
                         reinterpret_cast<intptr_t>(&round));
    EXPECT_EQ(player, 0);
    EXPECT_EQ(round, 1);
    EXPECT_EQ(packed, (1 << 16) | 0);
    EXPECT_EQ(dvk_send_message(rig.handle(), DVK_MSG_GET_INPUT_CELL, 0, 0), packed);
}

TEST_F(MessagesTest, aGameBecomesACsvTextThatOnlyItsOwnReleaseFrees) {
    const auto* game = ask<dvk_game_record>(rig, DVK_MSG_GET_GAME);
    const auto* text = ask<char>(rig, DVK_MSG_GAME_CSV, 0, reinterpret_cast<intptr_t>(game));
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(std::string(text), rig.game_csv(rig.game()));

    dvk_game_record own{};
    EXPECT_EQ(ask<char>(rig, DVK_MSG_GAME_CSV, 0, reinterpret_cast<intptr_t>(&own)), nullptr);
    EXPECT_EQ(ask<char>(rig, DVK_MSG_GAME_CSV, 0, 0), nullptr);
    EXPECT_EQ(
        dvk_send_message(rig.handle(), DVK_MSG_FREE_TEXT, 0, reinterpret_cast<intptr_t>(&own)), 0);
    EXPECT_EQ(
        dvk_send_message(rig.handle(), DVK_MSG_FREE_TEXT, 0, reinterpret_cast<intptr_t>(text)), 1);
    EXPECT_EQ(
        dvk_send_message(rig.handle(), DVK_MSG_FREE_TEXT, 0, reinterpret_cast<intptr_t>(text)), 0);

    // A plug-in that never releases its texts cannot pile them up without end.
    std::vector<const char*> kept;
    for (std::size_t i = 0; i < PluginHost::max_texts + 3; ++i) {
        kept.push_back(ask<char>(rig, DVK_MSG_GAME_CSV, 0, reinterpret_cast<intptr_t>(game)));
    }
    EXPECT_EQ(std::count(kept.begin(), kept.end(), nullptr), 3);
}

TEST_F(MessagesTest, otherMessagesWindowsAndThreadsAreAnsweredWithZero) {
    EXPECT_EQ(dvk_send_message(rig.handle(), 33269, 0, 0), 0);
    EXPECT_EQ(dvk_send_message(rig.handle(), 40016, 0, 0), 0);
    QWidget other;
    EXPECT_EQ(
        dvk_send_message(reinterpret_cast<dvk_window>(&other), DVK_MSG_INTERFACE_VERSION, 0, 0), 0);
    EXPECT_EQ(dvk_send_message(nullptr, DVK_MSG_INTERFACE_VERSION, 0, 0), 0);
    std::intptr_t from_thread = -1;
    std::thread worker(
        [&] { from_thread = dvk_send_message(rig.handle(), DVK_MSG_INTERFACE_VERSION, 0, 0); });
    worker.join();
    EXPECT_EQ(from_thread, 0);
}

TEST_F(MessagesTest, outsideACallAPluginEntersMovesAndRefreshes) {
    EXPECT_EQ(dvk_send_message(rig.handle(), DVK_MSG_ENTER_VALUE, 60, 1), 1);
    EXPECT_EQ(rig.ports.text, "60"); // shown only
    EXPECT_EQ(rig.game().players[0].remaining, 201);
    EXPECT_EQ(dvk_send_message(rig.handle(), DVK_MSG_ENTER_VALUE, 60, 0), 1);
    EXPECT_EQ(rig.game().players[0].remaining, 141);
    EXPECT_EQ(rig.match.sheet().input_cell(), (InputCell{1, 1}));

    // Back to player 1's first visit: the low half names the player, the high half the round.
    EXPECT_EQ(dvk_send_message(rig.handle(), DVK_MSG_MOVE_CELL, 1, 0x00000000), 1);
    EXPECT_EQ(rig.match.sheet().input_cell(), (InputCell{0, 0}));
    EXPECT_EQ(dvk_send_message(rig.handle(), DVK_MSG_MOVE_CELL, 0, 0xFFFF0001), 1);
    EXPECT_EQ(rig.match.sheet().input_cell(), (InputCell{1, 0}));
    EXPECT_EQ(dvk_send_message(rig.handle(), DVK_MSG_MOVE_CELL, 0, 0x0005FFFF), 0);
    EXPECT_EQ(dvk_send_message(rig.handle(), DVK_MSG_MOVE_CELL, 0, 0x00000002), 0);
    EXPECT_EQ(rig.match.sheet().input_cell(), (InputCell{1, 0}));

    EXPECT_EQ(dvk_send_message(rig.handle(), DVK_MSG_REFRESH, 0, 0), 1);
    EXPECT_EQ(rig.refreshes, 1);
}

TEST_F(MessagesTest, aCheckOutEnteredByAPluginAsksForConfirmation) {
    rig.visits({140, 26}); // player 1 has 61 left
    rig.ports.game_shot_answers = {true};
    EXPECT_EQ(dvk_send_message(rig.handle(), DVK_MSG_ENTER_VALUE, static_cast<uintptr_t>(-2), 0),
              1);
    EXPECT_EQ(rig.game().leg_index, 1);
    EXPECT_EQ(rig.game().players[0].legs_won, 1);
}

struct EnterCase {
    const char* name;
    std::vector<int> before; // visits after 100 and 45, which leave player 1 with 201
    std::int32_t value;
    std::intptr_t display_only;
    std::deque<bool> confirm; // answers to the game shot's confirmation
    std::intptr_t answer;
    std::int32_t left; // player 1's score left afterwards
};

class EnterValueAnswer : public MessagesTest, public ::testing::WithParamInterface<EnterCase> {};

// The answer says whether the value was carried out; whatever is refused enters nothing.
TEST_P(EnterValueAnswer, isOneOnlyWhenTheValueWasCarriedOut) {
    const EnterCase& c = GetParam();
    for (const int points : c.before) {
        rig.visits({points});
    }
    rig.ports.game_shot_answers = c.confirm;
    EXPECT_EQ(dvk_send_message(rig.handle(), DVK_MSG_ENTER_VALUE,
                               static_cast<std::uintptr_t>(static_cast<std::uint32_t>(c.value)),
                               c.display_only),
              c.answer);
    EXPECT_EQ(rig.game().players[0].remaining, c.left);
}

INSTANTIATE_TEST_SUITE_P(
    Values, EnterValueAnswer,
    ::testing::Values(EnterCase{"aboveNineHundredNinetyNine", {}, 999, 0, {}, 0, 201},
                      EnterCase{"impossibleScore", {}, 179, 0, {}, 0, 201},
                      EnterCase{"moreThanTheScoreLeft", {140, 0}, 100, 0, {}, 0, 61},
                      EnterCase{"shownOnly", {}, 45, 1, {}, 1, 201},
                      EnterCase{"entered", {}, 60, 0, {}, 1, 141},
                      EnterCase{"checkOutConfirmed", {140, 0}, -2, 0, {true}, 1, 301},
                      EnterCase{"checkOutCancelled", {140, 0}, -2, 0, {false}, 0, 61},
                      EnterCase{"checkOutTooFewDarts", {140, 0}, -1, 0, {}, 0, 61}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace dvk::testing
