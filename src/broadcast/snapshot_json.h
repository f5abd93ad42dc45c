#pragma once

#include "broadcast_model/match_snapshot.h"
#include "broadcast_model/pairing_guard.h"
#include "broadcast_model/request_check.h"

#include <QByteArray>

namespace dvk {

// The messages the program sends to its pages, as compact JSON objects. Every message carries
// "v" (the protocol version, MatchSnapshot::version) and "type".
//   state:   the match as the scoreboard shows it (see snapshot_message)
//   result:  {"ok":true} or {"ok":false,"reason":"impossible_score"} for a request
//   paired:  the keypad page may send requests now
//   pairing: {"ok":false,"reason":"wrong_code"|"locked_out"}
QByteArray snapshot_message(const MatchSnapshot& snapshot);
QByteArray result_message(const RequestVerdict& verdict);
QByteArray pairing_message(PairingOutcome outcome);
// A refusal the server itself decides ("too_many_requests", "not_paired").
QByteArray refusal_message(const char* reason);

// The answers the open dialog takes, in the order a page shows them.
QList<int> allowed_answers(const DialogWait& wait);

} // namespace dvk
