#include "career/pending_legs.h"

#include "career/career_filter.h"

#include <charconv>
#include <cstdint>
#include <string_view>

namespace dvk {

namespace {

constexpr std::string_view first_line = "dvk archive pending 1";
// No finished leg has more visits than a leg can have rounds; anything larger is not ours.
constexpr std::int64_t max_visits = 4000;

std::string escaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            out += c;
        }
    }
    return out.empty() ? std::string("\\0") : out;
}

std::optional<std::string> unescaped(std::string_view text) {
    if (text == "\\0") {
        return std::string();
    }
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        if (++i >= text.size()) {
            return std::nullopt;
        }
        switch (text[i]) {
        case '\\':
            out += '\\';
            break;
        case 't':
            out += '\t';
            break;
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        default:
            return std::nullopt;
        }
    }
    return out;
}

class Line {
public:
    void text(std::string_view value) { field(escaped(value)); }
    void number(std::int64_t value) { field(std::to_string(value)); }
    std::string take() { return std::move(m_text); }

private:
    void field(const std::string& value) {
        if (!m_text.empty()) {
            m_text += '\t';
        }
        m_text += value;
    }
    std::string m_text;
};

// Reads the fields of one line in order; any failure sticks, so a caller checks once.
class Fields {
public:
    explicit Fields(std::string_view line) : m_rest(line) {}

    std::int64_t number(std::int64_t low, std::int64_t high) {
        const std::string_view field = next();
        std::int64_t value = 0;
        const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
        if (error != std::errc() || end != field.data() + field.size() || value < low ||
            value > high) {
            m_ok = false;
            return low;
        }
        return value;
    }
    std::int32_t int32() { return static_cast<std::int32_t>(number(INT32_MIN, INT32_MAX)); }
    std::string text() {
        std::optional<std::string> value = unescaped(next());
        if (!value) {
            m_ok = false;
            return {};
        }
        return std::move(*value);
    }
    bool done() const { return m_ok && m_done; }
    bool ok() const { return m_ok; }

private:
    std::string_view next() {
        if (m_done) {
            m_ok = false;
            return {};
        }
        const std::size_t tab = m_rest.find('\t');
        const std::string_view field = m_rest.substr(0, tab);
        if (tab == std::string_view::npos) {
            m_done = true;
            m_rest = {};
        } else {
            m_rest.remove_prefix(tab + 1);
        }
        return field;
    }

    std::string_view m_rest;
    bool m_ok = true;
    bool m_done = false;
};

void write_leg(Line& out, const ArchivedLeg& leg) {
    const GameRow& g = leg.game;
    out.text(g.identity);
    out.number(g.id);
    out.text(archive_time_text(g.started));
    for (const std::int32_t v : {g.start_score, g.round_limit, g.round, g.leg_limit, g.max_leg,
                                 g.best_of, g.schedule_mode, g.game_index}) {
        out.number(v);
    }
    for (const SeatRow& seat : g.seats) {
        out.text(seat.name);
        out.number(seat.start_score);
        out.number(seat.computer ? 1 : 0);
        out.number(seat.com_level);
    }
    const LegRow& l = leg.leg;
    for (const std::int32_t v :
         {l.leg_index, l.first_player, l.winner, l.winning_darts, l.check_out, l.rounds}) {
        out.number(v);
    }
    for (const StatisticsCounters& c : l.counters) {
        for (const std::int32_t v : c.to_array()) {
            out.number(v);
        }
    }
    out.number(static_cast<std::int64_t>(leg.visits.size()));
    for (const VisitRow& v : leg.visits) {
        for (const std::int32_t x : {v.leg_index, v.round, v.player, v.score, v.left, v.darts,
                                     v.check_out_darts, v.darts_at_double}) {
            out.number(x);
        }
    }
}

std::optional<ArchivedLeg> read_leg(Fields& in) {
    ArchivedLeg leg;
    GameRow& g = leg.game;
    g.identity = in.text();
    g.id = in.number(0, INT64_MAX);
    const std::optional<SystemTime> started = parse_archive_time(in.text());
    for (std::int32_t* v : {&g.start_score, &g.round_limit, &g.round, &g.leg_limit, &g.max_leg,
                            &g.best_of, &g.schedule_mode, &g.game_index}) {
        *v = in.int32();
    }
    for (SeatRow& seat : g.seats) {
        seat.name = in.text();
        seat.start_score = in.int32();
        seat.computer = in.number(0, 1) == 1;
        seat.com_level = in.int32();
    }
    LegRow& l = leg.leg;
    l.game_id = g.id;
    for (std::int32_t* v :
         {&l.leg_index, &l.first_player, &l.winner, &l.winning_darts, &l.check_out, &l.rounds}) {
        *v = in.int32();
    }
    for (StatisticsCounters& c : l.counters) {
        std::array<std::int32_t, StatisticsCounters::count> values{};
        for (std::int32_t& v : values) {
            v = in.int32();
        }
        c = StatisticsCounters::from_array(values);
    }
    const std::int64_t visits = in.number(0, max_visits);
    for (std::int64_t i = 0; in.ok() && i < visits; ++i) {
        VisitRow v;
        for (std::int32_t* x : {&v.leg_index, &v.round, &v.player, &v.score, &v.left, &v.darts,
                                &v.check_out_darts, &v.darts_at_double}) {
            *x = in.int32();
        }
        leg.visits.push_back(v);
    }
    if (!in.ok() || !started) {
        return std::nullopt;
    }
    g.started = *started;
    return leg;
}

std::optional<PendingAction> read_action(std::string_view line) {
    Fields in(line);
    PendingAction action;
    action.kind = static_cast<PendingAction::Kind>(in.number(0, 3));
    switch (action.kind) {
    case PendingAction::Kind::WriteLeg:
    case PendingAction::Kind::EnsureLeg: {
        std::optional<ArchivedLeg> leg = read_leg(in);
        if (!leg) {
            return std::nullopt;
        }
        action.leg = std::move(*leg);
        break;
    }
    case PendingAction::Kind::RemoveLegsFrom:
        action.game_id = in.number(0, INT64_MAX);
        action.leg_index = in.int32();
        break;
    case PendingAction::Kind::GameResult:
        action.game_id = in.number(0, INT64_MAX);
        action.result.game_id = action.game_id;
        action.result.legs_won[0] = in.int32();
        action.result.legs_won[1] = in.int32();
        action.result.finished = in.number(0, 1) == 1;
        break;
    }
    if (!in.done()) {
        return std::nullopt;
    }
    return action;
}

} // namespace

std::string serialise_pending(const std::vector<PendingAction>& actions) {
    std::string text(first_line);
    text += '\n';
    for (const PendingAction& action : actions) {
        Line line;
        line.number(static_cast<int>(action.kind));
        switch (action.kind) {
        case PendingAction::Kind::WriteLeg:
        case PendingAction::Kind::EnsureLeg:
            write_leg(line, action.leg);
            break;
        case PendingAction::Kind::RemoveLegsFrom:
            line.number(action.game_id);
            line.number(action.leg_index);
            break;
        case PendingAction::Kind::GameResult:
            line.number(action.game_id);
            line.number(action.result.legs_won[0]);
            line.number(action.result.legs_won[1]);
            line.number(action.result.finished ? 1 : 0);
            break;
        }
        text += line.take();
        text += '\n';
    }
    return text;
}

std::optional<std::vector<PendingAction>> parse_pending(const std::string& text) {
    std::string_view rest = text;
    const std::size_t end = rest.find('\n');
    if (end == std::string_view::npos || rest.substr(0, end) != first_line) {
        return std::nullopt;
    }
    rest.remove_prefix(end + 1);
    std::vector<PendingAction> actions;
    while (!rest.empty()) {
        const std::size_t next = rest.find('\n');
        if (next == std::string_view::npos) {
            return std::nullopt; // a line cut short by a crash is not half-read
        }
        std::optional<PendingAction> action = read_action(rest.substr(0, next));
        if (!action) {
            return std::nullopt;
        }
        actions.push_back(std::move(*action));
        rest.remove_prefix(next + 1);
    }
    return actions;
}

} // namespace dvk
