#include "broadcast_model/page_request.h"
#include "broadcast_model/request_check.h"
#include "support/match_harness.h"

#include <gtest/gtest.h>

#include <string>

namespace dvk::testing {
namespace {

struct ParseCase {
    const char* text;
    std::optional<PageRequest> expected;
};

PageRequest request(RequestType type, int value = 0, std::string code = {}) {
    return PageRequest{type, value, std::move(code)};
}

class ParsePageRequest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParsePageRequest, readsOnlyTheMessagesPagesSend) {
    EXPECT_EQ(parse_page_request(GetParam().text), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Messages, ParsePageRequest,
    ::testing::Values(
        ParseCase{R"({"type":"visit","score":60})", request(RequestType::visit, 60)},
        ParseCase{" { \"score\" : 180 ,\n \"type\" : \"visit\" } ",
                  request(RequestType::visit, 180)},
        ParseCase{R"({"type":"visit","score":179})", request(RequestType::visit, 179)},
        ParseCase{R"({"type":"visit","score":-1})", request(RequestType::visit, -1)},
        ParseCase{R"({"type":"undo"})", request(RequestType::undo)},
        ParseCase{R"({"type":"undo","id":7})", request(RequestType::undo)},
        ParseCase{R"({"type":"answer","value":255})", request(RequestType::answer, 255)},
        ParseCase{R"({"type":"pair","code":"402913"})", request(RequestType::pair, 0, "402913")},
        ParseCase{R"({"type":"visit"})", std::nullopt},
        ParseCase{R"({"type":"visit","score":"60"})", std::nullopt},
        ParseCase{R"({"type":"visit","score":6000})", std::nullopt},
        ParseCase{R"({"type":"visit","score":99999999999999999999})", std::nullopt},
        ParseCase{R"({"type":"visit","score":60.5})", std::nullopt},
        ParseCase{R"({"type":"visit","score":60,})", std::nullopt},
        ParseCase{R"({"type":"visit","score":60} x)", std::nullopt},
        ParseCase{R"({"type":"visit","score":[60]})", std::nullopt},
        ParseCase{R"({"type":"visit","score":{"a":1}})", std::nullopt},
        ParseCase{R"({"type":"visit","score":true})", std::nullopt},
        ParseCase{R"({"type":"vis\u0069t","score":60})", std::nullopt},
        ParseCase{R"({"type":"delete","score":60})", std::nullopt},
        ParseCase{R"({"type":"pair"})", std::nullopt},
        ParseCase{R"({"type":"pair","code":"12345678901234567"})", std::nullopt},
        ParseCase{R"(["visit",60])", std::nullopt}, ParseCase{R"({"type":"undo")", std::nullopt},
        ParseCase{"", std::nullopt}, ParseCase{"{}", std::nullopt},
        ParseCase{"{\"type\":\"undo\u00e9\"}", std::nullopt}));

TEST(ParsePageRequestLimits, aMessageAboveTheCapIsRefusedUnread) {
    std::string text = R"({"type":"undo","pad":")";
    text.append(page_request_max_bytes, 'x');
    text += "\"}";
    EXPECT_EQ(parse_page_request(text), std::nullopt);
}

// A check against a real match, and the same request sent through the keyboard's command
// afterwards: an accepted request must change the game exactly as the key does, a refused
// one must leave it untouched.
struct Fixture : MatchFixture {
    Fixture() : MatchFixture(two_humans(101)) {}
    RequestVerdict check(const PageRequest& r, const DialogWait& wait = {}) {
        return check_request(r, EntryState::of(match, wait));
    }
};

struct VisitCase {
    int score;
    Refusal refusal;
};

class RemoteVisit : public ::testing::TestWithParam<VisitCase> {};

TEST_P(RemoteVisit, isCheckedWithTheInputCellsRules) {
    Fixture f;
    f.visits({60});
    const RequestVerdict v = f.check(request(RequestType::visit, GetParam().score));
    EXPECT_EQ(v.refusal, GetParam().refusal) << GetParam().score;
    // What the keyboard does with the same score agrees: it refuses with a beep exactly when
    // the check refuses (check-outs ask for darts, which the script cancels).
    const GameRecord before = f.game();
    f.ports.checkout_darts = {0};
    const int beeps = f.ports.beeps;
    f.sheet().enter_value(GetParam().score, false);
    EXPECT_EQ(f.ports.beeps > beeps, !v.accepted()) << GetParam().score;
    if (!v.accepted()) {
        EXPECT_EQ(f.game(), before) << "a refused visit never changes the game";
    }
}

INSTANTIATE_TEST_SUITE_P(Scores, RemoteVisit,
                         ::testing::Values(VisitCase{0, Refusal::none},
                                           VisitCase{60, Refusal::none},
                                           VisitCase{100, Refusal::none},
                                           VisitCase{101, Refusal::none},
                                           VisitCase{102, Refusal::above_score_left},
                                           VisitCase{180, Refusal::above_score_left},
                                           VisitCase{179, Refusal::impossible_score},
                                           VisitCase{163, Refusal::impossible_score},
                                           VisitCase{181, Refusal::impossible_score}));

TEST(RemoteRequest, aVisitAboveTheScoreLeftCountsAgainstTheInputCellsPlayer) {
    Fixture f;
    f.visits({60, 20});
    const RequestVerdict v = f.check(request(RequestType::visit, 60));
    EXPECT_EQ(v.refusal, Refusal::above_score_left) << "Ann has 41 left";
    EXPECT_TRUE(f.check(request(RequestType::visit, 41)).accepted());
    EXPECT_EQ(f.check(request(RequestType::visit, -3)).refusal, Refusal::impossible_score)
        << "a page cannot send the stored form of a check-out";
}

TEST(RemoteRequest, correctingAnEarlierVisitMayRepeatItsStoredScore) {
    Fixture f;
    f.visits({100, 20});
    f.sheet().previous_cell();
    f.sheet().previous_cell();
    EXPECT_TRUE(f.check(request(RequestType::visit, 100)).accepted());
    EXPECT_EQ(f.check(request(RequestType::visit, 102)).refusal, Refusal::above_score_left);
}

TEST(RemoteRequest, undoIsShiftEnterAndNeedsAnOpenLeg) {
    Fixture f;
    f.visits({60});
    const RequestVerdict v = f.check(request(RequestType::undo));
    ASSERT_TRUE(v.accepted());
    EXPECT_EQ(v.action, RemoteAction::previous_cell);

    EntryState finished;
    EXPECT_EQ(check_request(request(RequestType::undo), finished).refusal, Refusal::leg_finished);
    EXPECT_EQ(check_request(request(RequestType::visit, 20), finished).refusal,
              Refusal::leg_finished);
}

TEST(RemoteRequest, nothingButAnAnswerWhileADialogWaits) {
    Fixture f;
    DialogWait wait;
    wait.kind = WaitKind::check_out_darts;
    wait.score = 101;
    EXPECT_EQ(f.check(request(RequestType::visit, 60), wait).refusal, Refusal::dialog_open);
    EXPECT_EQ(f.check(request(RequestType::undo), wait).refusal, Refusal::dialog_open);
    EXPECT_EQ(f.check(request(RequestType::answer, 2)).refusal, Refusal::no_question);
    EXPECT_EQ(f.check(request(RequestType::pair, 0, "1")).refusal, Refusal::malformed);
}

TEST(RemoteRequest, aComputersTurnTakesNoVisitFromThePage) {
    GameOptions options = two_humans(501);
    options.p2_com = 1;
    MatchFixture f(options);
    f.visits({60});
    const RequestVerdict v =
        check_request(request(RequestType::visit, 60), EntryState::of(f.match, {}));
    EXPECT_EQ(v.refusal, Refusal::computer_to_throw);
}

struct AnswerCase {
    WaitKind kind;
    int score;
    int minimum;
    int maximum;
    bool can_cancel;
    std::vector<int> allowed;
};

class DialogAnswers : public ::testing::TestWithParam<AnswerCase> {};

TEST_P(DialogAnswers, onlyTheDialogsOwnAnswersAreTaken) {
    const AnswerCase& c = GetParam();
    DialogWait wait;
    wait.kind = c.kind;
    wait.score = c.score;
    wait.minimum = c.minimum;
    wait.maximum = c.maximum;
    wait.can_cancel = c.can_cancel;
    EntryState state;
    state.wait = wait;
    for (int answer = -2; answer <= 256; ++answer) {
        const bool expected =
            std::find(c.allowed.begin(), c.allowed.end(), answer) != c.allowed.end();
        const RequestVerdict v = check_request(request(RequestType::answer, answer), state);
        EXPECT_EQ(v.accepted(), expected) << "answer " << answer;
        if (expected) {
            EXPECT_EQ(v.action, RemoteAction::answer_dialog);
            EXPECT_EQ(v.value, answer);
        } else {
            EXPECT_EQ(v.refusal, Refusal::answer_not_allowed);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Dialogs, DialogAnswers,
    ::testing::Values(AnswerCase{WaitKind::check_out_darts, 40, 0, 0, true, {0, 1, 2, 3}},
                      AnswerCase{WaitKind::check_out_darts, 61, 0, 0, true, {0, 2, 3}},
                      AnswerCase{WaitKind::check_out_darts, 121, 0, 0, true, {0, 3}},
                      AnswerCase{WaitKind::double_darts, 0, 1, 3, true, {1, 2, 3, 255}},
                      AnswerCase{WaitKind::double_darts, 0, 0, 3, true, {0, 1, 2, 3, 255}},
                      AnswerCase{WaitKind::game_shot, 2, 0, 0, true, {0, 1}},
                      AnswerCase{WaitKind::game_shot, 2, 0, 0, false, {1}},
                      AnswerCase{WaitKind::check_in, 46, 0, 0, true, {0, 1}},
                      AnswerCase{WaitKind::diddle_winner, 0, 0, 0, true, {0, 1, 2}},
                      AnswerCase{WaitKind::computer_visit, 0, 0, 0, true, {}},
                      AnswerCase{WaitKind::other, 0, 0, 0, true, {}}));

} // namespace
} // namespace dvk::testing
