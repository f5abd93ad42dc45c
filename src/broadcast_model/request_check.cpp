#include "broadcast_model/request_check.h"

#include "match/match.h"
#include "match/statistics.h"

namespace dvk {

EntryState EntryState::of(const Match& match, const DialogWait& wait) {
    EntryState s;
    s.wait = wait;
    const GameRecord& game = match.game();
    const ScoreSheet& sheet = match.sheet();
    s.leg_open = game.has_current_leg() && sheet.shown_leg() == game.leg_index &&
                 !sheet.shown_leg_finished();
    if (!s.leg_open) {
        return s;
    }
    const InputCell cell = sheet.input_cell();
    s.input_locked = sheet.input_disabled() || sheet.view_only() ||
                     game.players[static_cast<std::size_t>(cell.player)].com_locked != 0;
    s.left = sheet.remaining_at(cell);
    s.correcting = !sheet.is_open_cell(cell);
    if (s.correcting) {
        s.stored_entry = game.current_leg().score(cell.player, cell.round);
    }
    return s;
}

bool dialog_allows(const DialogWait& wait, int answer) {
    switch (wait.kind) {
    case WaitKind::check_out_darts:
        return answer == 0 || (answer >= 1 && answer <= 3 && wait.score <= 60 * answer);
    case WaitKind::double_darts:
        return answer == 255 || (answer >= wait.minimum && answer <= wait.maximum);
    case WaitKind::game_shot:
    case WaitKind::check_in:
        return answer == 1 || (answer == 0 && wait.can_cancel);
    case WaitKind::diddle_winner:
        return answer >= 0 && answer <= 2;
    case WaitKind::none:
    case WaitKind::computer_visit:
    case WaitKind::other:
        return false;
    }
    return false;
}

namespace {

RequestVerdict refuse(Refusal why) {
    return RequestVerdict{why, RemoteAction::none, 0};
}

RequestVerdict check_visit(int score, const EntryState& state) {
    if (!state.leg_open) {
        return refuse(Refusal::leg_finished);
    }
    if (state.input_locked) {
        return refuse(Refusal::computer_to_throw);
    }
    // The same order as the input cell: the impossible scores first, then the score left.
    if (score < 0 || is_impossible_visit(score)) {
        return refuse(Refusal::impossible_score);
    }
    if (score > state.left && !(state.correcting && score == state.stored_entry)) {
        return refuse(Refusal::above_score_left);
    }
    return RequestVerdict{Refusal::none, RemoteAction::enter_visit, score};
}

} // namespace

RequestVerdict check_request(const PageRequest& request, const EntryState& state) {
    const bool waiting = state.wait.kind != WaitKind::none;
    switch (request.type) {
    case RequestType::pair:
        return refuse(Refusal::malformed);
    case RequestType::visit:
        return waiting ? refuse(Refusal::dialog_open) : check_visit(request.value, state);
    case RequestType::undo:
        if (waiting) {
            return refuse(Refusal::dialog_open);
        }
        if (!state.leg_open) {
            return refuse(Refusal::leg_finished);
        }
        if (state.input_locked) {
            return refuse(Refusal::computer_to_throw);
        }
        return RequestVerdict{Refusal::none, RemoteAction::previous_cell, 0};
    case RequestType::answer:
        if (!waiting) {
            return refuse(Refusal::no_question);
        }
        if (!dialog_allows(state.wait, request.value)) {
            return refuse(Refusal::answer_not_allowed);
        }
        return RequestVerdict{Refusal::none, RemoteAction::answer_dialog, request.value};
    }
    return refuse(Refusal::malformed);
}

const char* refusal_name(Refusal refusal) {
    switch (refusal) {
    case Refusal::none:
        return "none";
    case Refusal::malformed:
        return "malformed";
    case Refusal::not_paired:
        return "not_paired";
    case Refusal::impossible_score:
        return "impossible_score";
    case Refusal::above_score_left:
        return "above_score_left";
    case Refusal::leg_finished:
        return "leg_finished";
    case Refusal::computer_to_throw:
        return "computer_to_throw";
    case Refusal::dialog_open:
        return "dialog_open";
    case Refusal::no_question:
        return "no_question";
    case Refusal::answer_not_allowed:
        return "answer_not_allowed";
    }
    return "malformed";
}

} // namespace dvk
