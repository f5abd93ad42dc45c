#pragma once

#include "broadcast_model/dialog_wait.h"
#include "broadcast_model/page_request.h"

namespace dvk {

class Match;

// The part of the match a request from the keypad page is checked against.
struct EntryState {
    bool leg_open = false;     // the current leg is shown and not finished
    bool input_locked = false; // the input cell's player is the computer, or its turn runs
    int left = 0;              // score left at the input cell
    bool correcting = false;   // the input cell holds an earlier visit
    int stored_entry = 0;      // the entry of that earlier visit
    DialogWait wait;

    static EntryState of(const Match& match, const DialogWait& wait);
};

// Why a request changed nothing; the page shows it in its own language.
enum class Refusal {
    none,
    malformed,
    not_paired,
    impossible_score, // 163, 166, ... 179 and anything above 180
    above_score_left,
    leg_finished,
    computer_to_throw,
    dialog_open, // a visit or undo while a dialog waits for its answer
    no_question, // an answer while no dialog waits
    answer_not_allowed,
};

// What an accepted request does, in the terms of the keyboard: a value typed into the input
// cell and Enter, Shift+Enter, or a button of the open dialog.
enum class RemoteAction { none, enter_visit, previous_cell, answer_dialog };

struct RequestVerdict {
    Refusal refusal = Refusal::none;
    RemoteAction action = RemoteAction::none;
    int value = 0;

    bool accepted() const { return refusal == Refusal::none; }
};

// Checks a request of a paired page against the match as it stands. Pairing itself is
// answered before this (PairingGuard); a pairing request here is refused as malformed.
RequestVerdict check_request(const PageRequest& request, const EntryState& state);

// True when the open dialog takes `answer` (see WaitKind for each dialog's answers).
bool dialog_allows(const DialogWait& wait, int answer);

// A short stable name of a refusal for the protocol ("impossible_score").
const char* refusal_name(Refusal refusal);

} // namespace dvk
