#include "caller_announcer.h"
#include "caller_phrases.h"
#include "plugins/records/game_record_copy.h"
#include "support/match_harness.h"

#include <gtest/gtest.h>

namespace dvk::caller {
namespace {

using dvk::testing::MatchFixture;
using dvk::testing::ScriptedPorts;

TEST(CallerPhrases, numbersAreSaidAsACallerSaysThem) {
    const std::pair<int, const char*> cases[] = {
        {0, "zero"},
        {7, "seven"},
        {19, "nineteen"},
        {40, "forty"},
        {45, "forty-five"},
        {100, "one hundred"},
        {101, "one hundred and one"},
        {140, "one hundred and forty"},
        {180, "one hundred and eighty"},
        {501, "five hundred and one"},
        {1001, "one thousand and one"},
        {1250, "one thousand two hundred and fifty"},
    };
    for (const auto& [number, words] : cases) {
        EXPECT_EQ(number_words(number), words) << number;
    }
}

TEST(CallerPhrases, visitsTonsAndNothing) {
    EXPECT_EQ(visit_phrase(0), "No score.");
    EXPECT_EQ(visit_phrase(26), "Twenty-six.");
    EXPECT_EQ(visit_phrase(100), "One hundred!");
    EXPECT_EQ(visit_phrase(180), "One hundred and eighty!");
}

TEST(CallerPhrases, aFinishIsTwoTo170WithoutTheBogeyNumbers) {
    for (int score : {2, 3, 40, 50, 99, 158, 160, 161, 164, 167, 170}) {
        EXPECT_TRUE(is_finish(score)) << score;
    }
    for (int score : {0, 1, 159, 162, 163, 165, 166, 168, 169, 171, 501}) {
        EXPECT_FALSE(is_finish(score)) << score;
    }
}

TEST(CallerPhrases, setResults) {
    EXPECT_EQ(set_result_phrase("Ann", 3, 1), "Ann wins the set, three legs to one.");
    EXPECT_EQ(set_result_phrase("Bob", 1, 0), "Bob wins the set, one leg to zero.");
    EXPECT_EQ(drawn_set_phrase(2), "The set is drawn, two legs all.");
    EXPECT_EQ(sets_phrase("Ann", 2, "Bob", 1), "Ann leads, two sets to one.");
    EXPECT_EQ(sets_phrase("Ann", 0, "Bob", 1), "Bob leads, one set to zero.");
    EXPECT_EQ(sets_phrase("Ann", 1, "Bob", 1), "One set all.");
}

// A match whose events go to the caller the way dvk hands them over: with a copy of the game
// record and the player of the input cell.
class CalledPorts : public ScriptedPorts {
public:
    CallerChoices choices;
    std::vector<std::string> said;

    int notify_plugins(int event, int argument) override {
        ScriptedPorts::notify_plugins(event, argument);
        GameRecordCopy copy(match->game());
        dvk_game_record record{};
        copy.fill(record);
        const int thrower = match->sheet().input_cell().player;
        for (std::string& phrase : announcements(event, argument, record, thrower, choices)) {
            said.push_back(std::move(phrase));
        }
        return 0;
    }
};

struct CalledMatch {
    AppOptions settings;
    CalledPorts ports;
    Match match{settings, ports, ports, ports};

    explicit CalledMatch(const GameOptions& options) {
        ports.match = &match;
        settings.game = options;
        match.sheet().set_rows_per_page(12);
        match.start_new_game(false);
    }
    void visits(std::initializer_list<int> points) {
        for (int p : points) {
            dvk::testing::enter_visit(ports, match.sheet(), std::to_string(p));
        }
    }
};

TEST(CallerAnnouncements, aWholeSetOfTwoLegsIsCalled) {
    GameOptions options = dvk::testing::two_humans(301);
    options.leg_limit = 1;
    options.max_leg = 3;
    options.best_of = 1;
    CalledMatch m(options);
    m.ports.checkout_darts = {2, 3};
    m.ports.game_shot_answers = {true, true};
    // Leg 1, Ann first: 180 and 81 leave 40, checked out with two darts.
    m.visits({180, 60, 81, 100, 40});
    // Leg 2, Bob first: Ann scores 180 and checks out 121 with three darts.
    m.visits({140, 180, 0, 121});

    const std::vector<std::string> expected = {
        "One hundred and eighty!",
        "Sixty.",
        "Ann, you require one hundred and twenty-one.",
        "Eighty-one.",
        "One hundred!",
        "Ann, you require forty.",
        "Game shot, and the leg!",
        "One hundred and forty!",
        "One hundred and eighty!",
        "Bob, you require one hundred and sixty-one.",
        "No score.",
        "Ann, you require one hundred and twenty-one.",
        "Game shot, and the leg!",
        "Ann wins the set, two legs to zero.",
        "Ann leads, one set to zero.",
    };
    EXPECT_EQ(m.ports.said, expected);
    EXPECT_EQ(m.ports.unscripted, 0);
}

TEST(CallerAnnouncements, eachKindCanBeSwitchedOff) {
    GameOptions options = dvk::testing::two_humans(301);
    CalledMatch m(options);
    m.ports.choices.visits = false;
    m.visits({180, 60, 81});
    EXPECT_EQ(m.ports.said, (std::vector<std::string>{"Ann, you require one hundred and "
                                                      "twenty-one."}));
    m.ports.said.clear();
    m.ports.choices.finishes = false;
    m.ports.choices.legs = false;
    m.ports.checkout_darts = {2};
    m.ports.game_shot_answers = {true};
    m.visits({100, 40});
    EXPECT_TRUE(m.ports.said.empty());
}

} // namespace
} // namespace dvk::caller
