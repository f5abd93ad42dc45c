#pragma once

namespace dvk {

// What an open dialog of the program waits for. The scoreboard shows it, and the keypad page
// may answer exactly the answers the dialog itself would take.
enum class WaitKind {
    none,
    check_out_darts, // "How many darts did you use for the check?": 1 to 3, 0 cancels
    double_darts,    // "How many darts did you throw to double?": minimum..maximum, 255 cancels
    game_shot,       // "Game shot ...": 1 OK, 0 Cancel when the dialog has Cancel
    diddle_winner,   // "Please select winner player.": 1 or 2, 0 cancels
    check_in,        // "Check in %d darts.": 1 OK, 0 Cancel
    computer_visit,  // the computer is throwing: nothing to answer
    other,           // any other window of the program: nothing to answer
};

struct DialogWait {
    WaitKind kind = WaitKind::none;
    int player = -1;       // whose visit or leg the question is about, -1 when none
    int score = 0;         // check-out score, or the darts of the finishing visit
    int winning_darts = 0; // darts of the won leg (game shot, check in)
    int minimum = 0;       // range of the number asked (double darts)
    int maximum = 0;
    int shown = 0; // the number the dialog shows first
    bool can_cancel = true;

    bool operator==(const DialogWait&) const = default;
};

} // namespace dvk
