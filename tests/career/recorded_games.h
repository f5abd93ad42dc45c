#pragma once

#include "career/career_rows.h"
#include "support/match_harness.h"

#include <functional>
#include <string>
#include <vector>

namespace dvk::testing {

// Scripted ports that keep the rows of every leg when it ends, and take them back when
// Previous Leg reopens legs, as the archive does.
class RecordingPorts : public ScriptedPorts {
public:
    std::vector<ArchivedLeg> legs;
    int reopened = 0;

    void leg_finished(const GameRecord& game) override;
    void legs_reopened(const GameRecord& game) override;
};

// A match played through the real rules, whose finished games are then in its history.
struct RecordedMatch {
    AppOptions settings;
    RecordingPorts ports;
    Match match{settings, ports, ports, ports};

    RecordedMatch(const GameOptions& options, bool check_out_mode);
    GameRecord& game() { return match.game(); }
    LegRecord& leg() { return match.game().current_leg(); }
    void type(int points);
    void visits(std::initializer_list<int> points);
    // The computer player to throw scores `result` (-n checks out with n darts), with
    // `doubles` darts at a double.
    void computer(int result, int doubles = 0);
    // Every game that has finished legs: the stored games, then the current one.
    std::vector<GameRecord> games() const;
};

// A recorded match by name, for data-driven tests.
struct RecordedScenario {
    std::string name;
    std::function<void(RecordedMatch&)> play;
    GameOptions options;
    bool check_out_mode = false;
};

const std::vector<RecordedScenario>& recorded_scenarios();

} // namespace dvk::testing
