#include "broadcast/snapshot_json.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace dvk {

namespace {

QJsonObject message(const char* type) {
    QJsonObject o;
    o.insert(QStringLiteral("v"), MatchSnapshot::version);
    o.insert(QStringLiteral("type"), QLatin1String(type));
    return o;
}

QByteArray compact(const QJsonObject& o) {
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}

QJsonValue number_or_null(int value, bool present) {
    return present ? QJsonValue(value) : QJsonValue(QJsonValue::Null);
}

QJsonObject player_json(const PlayerSnapshot& p) {
    QJsonObject o;
    o.insert(QStringLiteral("name"), QString::fromStdString(p.name));
    o.insert(QStringLiteral("com"), p.computer);
    o.insert(QStringLiteral("start"), p.start_score);
    o.insert(QStringLiteral("left"), p.left);
    o.insert(QStringLiteral("sets"), p.sets);
    o.insert(QStringLiteral("legs"), p.legs);
    o.insert(QStringLiteral("last"), number_or_null(p.last_visit, p.last_visit >= 0));
    o.insert(QStringLiteral("checkout"), QString::fromStdString(p.checkout));
    o.insert(QStringLiteral("avg"), p.average_hundredths);
    return o;
}

const char* event_name(EventKind kind) {
    switch (kind) {
    case EventKind::game_shot:
        return "game_shot";
    case EventKind::leg_drawn:
        return "leg_drawn";
    case EventKind::match_winner:
        return "match_winner";
    case EventKind::none:
        break;
    }
    return "none";
}

QJsonValue event_json(const MatchEvent& e) {
    if (e.kind == EventKind::none) {
        return QJsonValue(QJsonValue::Null);
    }
    QJsonObject o;
    o.insert(QStringLiteral("kind"), QLatin1String(event_name(e.kind)));
    o.insert(QStringLiteral("player"), number_or_null(e.player, e.player >= 0));
    o.insert(QStringLiteral("darts"), e.darts);
    o.insert(QStringLiteral("check_out"), e.check_out);
    o.insert(QStringLiteral("legs"), QJsonArray{e.legs[0], e.legs[1]});
    o.insert(QStringLiteral("seq"), e.sequence);
    return o;
}

const char* wait_name(WaitKind kind) {
    switch (kind) {
    case WaitKind::check_out_darts:
        return "check_out_darts";
    case WaitKind::double_darts:
        return "double_darts";
    case WaitKind::game_shot:
        return "game_shot";
    case WaitKind::diddle_winner:
        return "diddle_winner";
    case WaitKind::check_in:
        return "check_in";
    case WaitKind::computer_visit:
        return "computer_visit";
    case WaitKind::other:
        return "other";
    case WaitKind::none:
        break;
    }
    return "none";
}

QJsonValue wait_json(const DialogWait& w) {
    if (w.kind == WaitKind::none) {
        return QJsonValue(QJsonValue::Null);
    }
    QJsonObject o;
    o.insert(QStringLiteral("kind"), QLatin1String(wait_name(w.kind)));
    o.insert(QStringLiteral("player"), number_or_null(w.player, w.player >= 0));
    o.insert(QStringLiteral("score"), w.score);
    o.insert(QStringLiteral("winning_darts"), w.winning_darts);
    o.insert(QStringLiteral("shown"), w.shown);
    QJsonArray answers;
    for (const int a : allowed_answers(w)) {
        answers.append(a);
    }
    o.insert(QStringLiteral("answers"), answers);
    return o;
}

} // namespace

QList<int> allowed_answers(const DialogWait& wait) {
    QList<int> answers;
    for (const int candidate : {1, 2, 3, 0, 255}) {
        if (dialog_allows(wait, candidate)) {
            answers.append(candidate);
        }
    }
    return answers;
}

QByteArray snapshot_message(const MatchSnapshot& s) {
    QJsonObject o = message("state");
    o.insert(QStringLiteral("players"),
             QJsonArray{player_json(s.players[0]), player_json(s.players[1])});
    o.insert(QStringLiteral("throw"), number_or_null(s.to_throw, s.to_throw >= 0));
    QJsonObject input;
    input.insert(QStringLiteral("player"), s.input_player);
    input.insert(QStringLiteral("left"), s.input_left);
    input.insert(QStringLiteral("correcting"), s.correcting);
    o.insert(QStringLiteral("input"), input);
    o.insert(QStringLiteral("leg"), s.leg_number);
    o.insert(QStringLiteral("game"), s.game_number);
    o.insert(QStringLiteral("sets"), s.sets_counted);
    o.insert(QStringLiteral("max_leg"), s.max_leg);
    o.insert(QStringLiteral("best_of"), s.best_of);
    o.insert(QStringLiteral("start"), s.start_score);
    o.insert(QStringLiteral("event"), event_json(s.event));
    o.insert(QStringLiteral("wait"), wait_json(s.wait));
    return compact(o);
}

QByteArray result_message(const RequestVerdict& verdict) {
    if (!verdict.accepted()) {
        return refusal_message(refusal_name(verdict.refusal));
    }
    QJsonObject o = message("result");
    o.insert(QStringLiteral("ok"), true);
    return compact(o);
}

QByteArray refusal_message(const char* reason) {
    QJsonObject o = message("result");
    o.insert(QStringLiteral("ok"), false);
    o.insert(QStringLiteral("reason"), QLatin1String(reason));
    return compact(o);
}

QByteArray pairing_message(PairingOutcome outcome) {
    if (outcome == PairingOutcome::paired) {
        return compact(message("paired"));
    }
    QJsonObject o = message("pairing");
    o.insert(QStringLiteral("ok"), false);
    o.insert(QStringLiteral("reason"), outcome == PairingOutcome::locked_out
                                           ? QStringLiteral("locked_out")
                                           : QStringLiteral("wrong_code"));
    return compact(o);
}

} // namespace dvk
