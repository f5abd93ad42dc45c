#include "career/archive_export.h"

#include "career/career_filter.h"
#include "career/leg_counters.h"
#include "storage/csv_export.h"

#include <array>
#include <cstdio>

namespace dvk {

namespace {

std::string seconds_text(const SystemTime& time) {
    return archive_time_text(time).substr(0, 19);
}

std::string json_string(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u < 0x20) {
            std::array<char, 8> escape{};
            std::snprintf(escape.data(), escape.size(), "\\u%04x", u);
            out += escape.data();
        } else {
            out += c;
        }
    }
    out += '"';
    return out;
}

// Writes "name":value pairs of one JSON object.
class JsonObject {
public:
    JsonObject& number(std::string_view name, std::int64_t value) {
        return raw(name, std::to_string(value));
    }
    JsonObject& text(std::string_view name, std::string_view value) {
        return raw(name, json_string(value));
    }
    JsonObject& boolean(std::string_view name, bool value) {
        return raw(name, value ? "true" : "false");
    }
    JsonObject& raw(std::string_view name, std::string_view value) {
        m_text += m_text.size() > 1 ? "," : "";
        m_text += json_string(name);
        m_text += ':';
        m_text += value;
        return *this;
    }
    std::string close() { return m_text + "}"; }

private:
    std::string m_text = "{";
};

std::string counters_json(const StatisticsCounters& counters) {
    JsonObject object;
    for (const CounterColumn& column : counter_columns()) {
        if (column.fold != CounterFold::Unused) {
            object.number(column.name, counters.*column.member);
        }
    }
    return object.close();
}

std::string seat_json(const SeatRow& seat, std::int32_t legs_won) {
    JsonObject object;
    object.text("name", seat.name).number("start_score", seat.start_score);
    object.boolean("computer", seat.computer);
    if (seat.computer) {
        object.number("level", std::int64_t{seat.com_level} + 1);
    }
    return object.number("legs_won", legs_won).close();
}

std::string visits_json(const std::vector<VisitRow>& visits) {
    std::string out = "[";
    for (const VisitRow& v : visits) {
        out += out.size() > 1 ? "," : "";
        JsonObject object;
        object.number("round", std::int64_t{v.round} + 1).number("player", v.player);
        object.number("score", v.score).number("left", v.left).number("darts", v.darts);
        if (v.check_out_darts > 0) {
            object.number("check_out_darts", v.check_out_darts);
        }
        if (v.darts_at_double >= 0) {
            object.number("darts_at_double", v.darts_at_double);
        }
        out += object.close();
    }
    return out + "]";
}

std::string leg_json(const ExportLeg& leg) {
    const LegRow& l = leg.leg;
    JsonObject object;
    object.number("leg", std::int64_t{l.leg_index} + 1).number("first_player", l.first_player);
    object.raw("winner", l.winner >= 0 ? std::to_string(l.winner) : "null");
    object.number("winning_darts", l.winning_darts).number("check_out", l.check_out);
    object.raw("counters",
               "[" + counters_json(l.counters[0]) + "," + counters_json(l.counters[1]) + "]");
    object.raw("visits", visits_json(leg.visits));
    return object.close();
}

} // namespace

std::string export_csv_header() {
    return "date,game,leg,player1,player2,round,thrower,score,left,darts\r\n";
}

std::string export_csv_rows(const ExportGame& game) {
    std::string out;
    const GameRow& g = game.game;
    const std::string prefix = csv_quote(seconds_text(g.started)) + "," + std::to_string(g.id);
    const std::string players = csv_quote(g.seats[0].name) + "," + csv_quote(g.seats[1].name);
    for (const ExportLeg& leg : game.legs) {
        for (const VisitRow& v : leg.visits) {
            out += prefix;
            out += ',' + std::to_string(std::int64_t{v.leg_index} + 1) + ',';
            out += players;
            out += ',' + std::to_string(std::int64_t{v.round} + 1) + ',';
            out += csv_quote(g.seats[static_cast<std::size_t>(v.player == 1 ? 1 : 0)].name);
            out += ',' + std::to_string(v.score) + ',' + std::to_string(v.left) + ',' +
                   std::to_string(v.darts) + "\r\n";
        }
    }
    return out;
}

std::string export_json_begin() {
    return "{\"format\":\"dvk-archive\",\"version\":1,\"games\":[\n";
}

std::string export_json_game(const ExportGame& game, bool first) {
    const GameRow& g = game.game;
    JsonObject object;
    object.number("id", g.id).text("started", seconds_text(g.started));
    object.number("start_score", g.start_score).number("game_index", g.game_index);
    object.boolean("schedule", g.schedule_mode == 1);
    object.boolean("leg_limit", g.leg_limit == 1).number("max_leg", g.max_leg);
    object.boolean("best_of", g.best_of == 1);
    object.raw("round_limit", g.round_limit == 1 ? std::to_string(g.round) : "null");
    object.raw("players", "[" + seat_json(g.seats[0], game.result.legs_won[0]) + "," +
                              seat_json(g.seats[1], game.result.legs_won[1]) + "]");
    object.boolean("finished", game.result.finished);
    std::string legs = "[";
    for (const ExportLeg& leg : game.legs) {
        legs += legs.size() > 1 ? "," : "";
        legs += leg_json(leg);
    }
    object.raw("legs", legs + "]");
    return (first ? "" : ",\n") + object.close();
}

std::string export_json_end() {
    return "\n]}\n";
}

} // namespace dvk
