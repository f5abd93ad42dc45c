// A message from a page of the Broadcast room, whatever its bytes, and the check of what it
// asks against any state of the match: the reader never fails, what it reads reads again the
// same when written out, and no accepted request breaks a rule of the input cell or answers a
// dialog with what the dialog does not take.

#include "broadcast_model/page_request.h"
#include "broadcast_model/request_check.h"
#include "fuzz_input.h"
#include "match/statistics.h"

#include <cstddef>
#include <cstdint>
#include <string>

using namespace dvk;

namespace {

std::string written(const PageRequest& r) {
    switch (r.type) {
    case RequestType::pair:
        return R"({"type":"pair","code":")" + r.code + "\"}";
    case RequestType::visit:
        return R"({"type":"visit","score":)" + std::to_string(r.value) + "}";
    case RequestType::undo:
        return R"({"type":"undo"})";
    case RequestType::answer:
        return R"({"type":"answer","value":)" + std::to_string(r.value) + "}";
    }
    return {};
}

EntryState state_from(fuzz::FuzzInput& in) {
    EntryState s;
    s.leg_open = (in.byte() & 1U) != 0;
    s.input_locked = (in.byte() & 1U) != 0;
    s.left = in.number(0, 1001);
    s.correcting = (in.byte() & 1U) != 0;
    s.stored_entry = in.number(-3, 180);
    s.wait.kind = static_cast<WaitKind>(in.number(0, 7));
    s.wait.score = in.number(0, 180);
    s.wait.minimum = in.number(0, 3);
    s.wait.maximum = in.number(0, 3);
    s.wait.can_cancel = (in.byte() & 1U) != 0;
    return s;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The first bytes choose the match's state, the rest is the message.
    constexpr std::size_t state_bytes = 11;
    const std::size_t used = std::min(size, state_bytes);
    fuzz::FuzzInput in(data, used);
    const EntryState state = state_from(in);
    const std::string_view text(reinterpret_cast<const char*>(data) + used, size - used);

    const std::optional<PageRequest> request = parse_page_request(text);
    if (!request) {
        return 0;
    }
    fuzz::require(parse_page_request(written(*request)) == request,
                  "a request read and written out reads the same");
    const RequestVerdict verdict = check_request(*request, state);
    if (!verdict.accepted()) {
        fuzz::require(verdict.action == RemoteAction::none, "a refusal does nothing");
        return 0;
    }
    switch (verdict.action) {
    case RemoteAction::enter_visit:
        fuzz::require(state.wait.kind == WaitKind::none && state.leg_open && !state.input_locked,
                      "visits only into an open leg with nothing asked");
        fuzz::require(verdict.value >= 0 && !is_impossible_visit(verdict.value),
                      "no impossible visit is accepted");
        fuzz::require(verdict.value <= state.left ||
                          (state.correcting && verdict.value == state.stored_entry),
                      "no visit above the score left is accepted");
        break;
    case RemoteAction::answer_dialog:
        fuzz::require(dialog_allows(state.wait, verdict.value), "answers only what is allowed");
        break;
    case RemoteAction::previous_cell:
        fuzz::require(state.wait.kind == WaitKind::none && state.leg_open,
                      "undo only in an open leg with nothing asked");
        break;
    case RemoteAction::none:
        fuzz::require(false, "an accepted request does something");
        break;
    }
    return 0;
}
