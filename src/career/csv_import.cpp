#include "career/csv_import.h"

#include "career/career_filter.h"
#include "career/leg_counters.h"
#include "match/statistics.h"
#include "model/com_levels.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace dvk {

namespace {

using Row = std::vector<std::string>;

// A refusal on its way out: the line and the reason.
struct Refusal {
    int line = 0;
    std::string reason;
};

// The file split into lines of fields by the program's CSV rule.
class CsvLines {
public:
    explicit CsvLines(std::string_view text) {
        while (!text.empty()) {
            std::size_t end = text.find('\n');
            std::string_view line = text.substr(0, end);
            if (!line.empty() && line.back() == '\r') {
                line.remove_suffix(1);
            }
            m_lines.push_back(std::string(line));
            text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        }
    }
    bool at_end() const { return m_next >= m_lines.size(); }
    int number() const { return static_cast<int>(m_next) + 1; }
    // The next line's fields; nothing after the last line or for a broken quote.
    std::optional<Row> next() {
        if (at_end()) {
            return std::nullopt;
        }
        return fields(m_lines[m_next++]);
    }
    const std::string& peek() const { return m_lines[m_next]; }

private:
    static std::optional<Row> fields(std::string_view line) {
        Row row;
        std::string field;
        bool quoted = false;
        bool was_quoted = false;
        for (std::size_t i = 0; i < line.size(); ++i) {
            const char c = line[i];
            if (quoted) {
                if (c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
                    field += '"';
                    ++i;
                } else if (c == '"') {
                    quoted = false;
                } else {
                    field += c;
                }
            } else if (c == '"' && field.empty() && !was_quoted) {
                quoted = was_quoted = true;
            } else if (c == ',') {
                row.push_back(std::move(field));
                field.clear();
                was_quoted = false;
            } else if (was_quoted) {
                return std::nullopt; // text after a closing quote
            } else {
                field += c;
            }
        }
        if (quoted) {
            return std::nullopt;
        }
        row.push_back(std::move(field));
        return row;
    }

    std::vector<std::string> m_lines;
    std::size_t m_next = 0;
};

std::optional<std::int32_t> number_in(std::string_view text) {
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

// Reads the file in the order the program writes it; the first mismatch throws a Refusal.
class Reader {
public:
    Reader(std::string_view text, const CsvLabels& labels) : m_lines(text), m_labels(labels) {}

    Row line(std::size_t fields, std::string_view what) {
        const int number = m_lines.number();
        if (m_lines.at_end()) {
            refuse(number, "the file ends before " + std::string(what));
        }
        std::optional<Row> row = m_lines.next();
        m_line = number;
        if (!row) {
            refuse("a quoted field is not closed");
        }
        if (row->size() != fields) {
            refuse(std::string(what) + " should have " + std::to_string(fields) + " fields, not " +
                   std::to_string(row->size()));
        }
        return std::move(*row);
    }
    [[noreturn]] void refuse(int line, std::string reason) const {
        throw Refusal{line, std::move(reason)};
    }
    [[noreturn]] void refuse(std::string reason) const { refuse(m_line, std::move(reason)); }
    void expect(const std::string& field, const std::string& label) const {
        if (field != label) {
            refuse("\"" + field + "\" where the file should have \"" + label + "\"");
        }
    }
    std::int32_t number(const std::string& field) const {
        const std::optional<std::int32_t> value = number_in(field);
        if (!value) {
            refuse("\"" + field + "\" is not a number");
        }
        return *value;
    }
    std::int32_t number_or_zero(const std::string& field) const {
        return field.empty() ? 0 : number(field);
    }
    // One line of a block: title (or nothing), then label and value for each player.
    std::array<std::string, 2> pair(std::string_view title, const std::string& label) {
        Row row = line(5, "the line of \"" + label + "\"");
        expect(row[0], std::string(title));
        expect(row[1], label);
        expect(row[3], label);
        return {row[2], row[4]};
    }
    [[noreturn]] void refuse_next(std::string reason) const {
        refuse(m_lines.number(), std::move(reason));
    }
    bool at_end() const { return m_lines.at_end(); }
    bool next_is_empty() const { return !m_lines.at_end() && m_lines.peek().empty(); }
    const CsvLabels& labels() const { return m_labels; }

private:
    CsvLines m_lines;
    const CsvLabels& m_labels;
    int m_line = 0;
};

// The number that `format`'s "%d" stands for in `name`.
std::optional<std::int32_t> number_for(const std::string& name, const std::string& format) {
    const std::size_t at = format.find("%d");
    if (at == std::string::npos) {
        return std::nullopt;
    }
    const std::string before = format.substr(0, at);
    const std::string after = format.substr(at + 2);
    if (name.size() <= before.size() + after.size() || !name.starts_with(before) ||
        !name.ends_with(after)) {
        return std::nullopt;
    }
    return number_in(
        std::string_view(name).substr(before.size(), name.size() - before.size() - after.size()));
}

// "COM (Lv.%d)" or "COM (Avg %d)" of the file's language read back into a stored level.
std::optional<std::int32_t> computer_level(const std::string& name, const CsvLabels& labels) {
    if (const auto shown = number_for(name, labels.com_name);
        shown && *shown >= 1 && *shown <= 99) {
        return *shown - 1;
    }
    if (const auto average = number_for(name, labels.com_average_name);
        average && is_average_level(average_level(*average))) {
        return average_level(*average);
    }
    return std::nullopt;
}

struct FileTotals {
    std::array<StatisticsCounters, 2> counters;
    std::array<std::int32_t, 2> legs_won{};
    std::int32_t legs = 0;
};

void read_header(Reader& in, GameRecord& game, std::string& started) {
    Row row = in.line(5, "the first line");
    if (!row[2].empty() || !row[4].empty()) {
        in.refuse("the first line is not a game's date and players");
    }
    started = row[0];
    for (int p = 0; p < 2; ++p) {
        PlayerBlock& player = game.players[static_cast<std::size_t>(p)];
        player.name = row[p == 0 ? 1 : 3];
        if (player.name.size() > max_name_bytes) {
            in.refuse("a player's name is longer than 63 bytes");
        }
        if (const std::optional<std::int32_t> level = computer_level(player.name, in.labels())) {
            player.com = player.com_locked = 1;
            player.com_level = *level;
        }
    }
}

void read_totals(Reader& in, FileTotals& totals) {
    const CsvLabels& l = in.labels();
    in.pair(l.totals, l.sets);
    const auto legs = in.pair({}, l.legs);
    using C = StatisticsCounters;
    const std::array<std::pair<const std::string*, std::int32_t C::*>, 7> rows = {{
        {&l.tons, &C::tons},
        {&l.count_100, &C::count_100},
        {&l.count_140, &C::count_140},
        {&l.count_180, &C::count_180},
        {&l.high_out, &C::high_out},
        {&l.best, &C::best_leg},
        {&l.worst, &C::worst_leg},
    }};
    for (std::size_t p = 0; p < 2; ++p) {
        totals.legs_won[p] = in.number(legs[p]);
    }
    for (const auto& [label, member] : rows) {
        const auto values = in.pair({}, *label);
        for (std::size_t p = 0; p < 2; ++p) {
            totals.counters[p].*member = in.number_or_zero(values[p]);
        }
    }
}

void read_averages(Reader& in) {
    const CsvLabels& l = in.labels();
    bool first = true;
    for (const std::string* label : {&l.average_darts, &l.average_score, &l.average_first9,
                                     &l.check_out_rate, &l.keep_rate, &l.break_rate}) {
        in.pair(first ? std::string_view(l.averages) : std::string_view(), *label);
        first = false;
    }
}

void read_counts(Reader& in, FileTotals& totals) {
    const CsvLabels& l = in.labels();
    using C = StatisticsCounters;
    const std::array<std::pair<const std::string*, std::int32_t C::*>, 6> finish = {{
        {&l.success_2_80, &C::success_2_80},
        {&l.failure_2_80, &C::failure_2_80},
        {&l.success_81_130, &C::success_81_130},
        {&l.failure_81_130, &C::failure_81_130},
        {&l.success_131, &C::success_131},
        {&l.failure_131, &C::failure_131},
    }};
    bool first = true;
    for (const auto& [label, member] : finish) {
        const auto values =
            in.pair(first ? std::string_view(l.finish_stats) : std::string_view(), *label);
        first = false;
        for (std::size_t p = 0; p < 2; ++p) {
            totals.counters[p].*member = in.number(values[p]);
        }
    }
    const auto legs = in.pair(l.counts, l.legs_played);
    totals.legs = in.number(legs[0]);
    if (totals.legs != in.number(legs[1]) || totals.legs < 1) {
        in.refuse("the number of legs is not one count above zero for both players");
    }
    const std::array<std::pair<const std::string*, std::int32_t C::*>, 11> counts = {{
        {&l.darts_won, &C::won_darts},
        {&l.total_score, &C::total_score},
        {&l.total_darts, &C::total_darts},
        {&l.first9_score, &C::first9_score},
        {&l.first9_darts, &C::first9_darts},
        {&l.check_outs, &C::check_outs},
        {&l.double_darts, &C::double_darts},
        {&l.keep_won, &C::keep_won},
        {&l.keep_all, &C::keep_all},
        {&l.break_won, &C::break_won},
        {&l.break_all, &C::break_all},
    }};
    for (const auto& [label, member] : counts) {
        const auto values = in.pair({}, *label);
        for (std::size_t p = 0; p < 2; ++p) {
            totals.counters[p].*member = in.number(values[p]);
        }
    }
}

// Visits of one player in one round line, or nothing when he did not throw.
struct Cell {
    bool thrown = false;
    std::int32_t visit = 0;
};

Cell read_cell(Reader& in, const std::string& visit, const std::string& left, std::int64_t& to_go) {
    if (visit.empty()) {
        if (!left.empty()) {
            in.refuse("a remaining score without a visit");
        }
        return {};
    }
    const std::int32_t value = in.number(visit);
    if (value < -3 || value > 180 || (value >= 0 && is_impossible_visit(value))) {
        in.refuse("\"" + visit + "\" is not a visit");
    }
    if (value < 0) {
        if (!left.empty()) {
            in.refuse("a check-out with a remaining score");
        }
        return {true, value};
    }
    to_go -= value;
    if (to_go < 0) {
        in.refuse("a visit scores more than the score left");
    }
    if (in.number(left) != to_go) {
        in.refuse("the remaining score does not follow from the visits");
    }
    return {true, value};
}

// The darts line ends a leg: its winner and his darts, and the turn state the match left.
LegRecord finished_leg(const Reader& in, const Row& row,
                       const std::array<std::vector<std::int16_t>, 2>& visits, std::size_t rounds,
                       int first, int check_out_from, std::int32_t check_out) {
    const auto capacity = static_cast<std::int32_t>(std::max<std::size_t>(rounds, 1));
    LegRecord leg = LegRecord::with_capacity(capacity, capacity);
    const bool second_won = row[1].empty() && row[2].empty() && !row[3].empty();
    if ((!second_won && (!row[2].empty() || !row[3].empty())) || !row[4].empty()) {
        in.refuse("the darts line does not name one winner");
    }
    leg.winning_darts = in.number(second_won ? row[3] : row[1]);
    leg.winner = second_won ? 1 : 0;
    leg.first_player = first;
    if (leg.winning_darts < 0 || (check_out_from >= 0 && check_out_from != leg.winner) ||
        (check_out_from >= 0 && leg.winning_darts == 0)) {
        in.refuse("the check-out is not the winner's");
    }
    for (std::size_t p = 0; p < 2; ++p) {
        std::copy(visits[p].begin(), visits[p].end(), leg.scores[p].begin());
    }
    leg.check_out = static_cast<std::int16_t>(check_out);
    const auto n_first = visits[static_cast<std::size_t>(first)].size();
    const auto n_other = visits[static_cast<std::size_t>(other_player(first))].size();
    if (n_first == n_other) {
        leg.round = static_cast<std::int32_t>(n_first);
        leg.next_player = first;
    } else if (n_first == n_other + 1) {
        leg.round = static_cast<std::int32_t>(n_other);
        leg.next_player = other_player(first);
    } else {
        in.refuse("the players' visits do not alternate");
    }
    leg.finished = 1;
    return leg;
}

// One leg's table, rebuilt into the leg record as the match left it at the leg's end.
LegRecord read_leg(Reader& in, GameRecord& game) {
    const CsvLabels& l = in.labels();
    Row empty = in.line(1, "the empty line before a leg");
    if (!empty[0].empty()) {
        in.refuse("a leg does not begin with an empty line");
    }
    const Row labels = in.line(5, "the labels of a leg");
    in.expect(labels[0], l.round);
    in.expect(labels[1], l.scored);
    in.expect(labels[2], l.to_go);
    in.expect(labels[3], l.scored);
    in.expect(labels[4], l.to_go);
    const Row start = in.line(5, "the start line of a leg");
    if (!start[0].empty() || (start[1] == "*") == (start[3] == "*") ||
        (!start[1].empty() && start[1] != "*") || (!start[3].empty() && start[3] != "*")) {
        in.refuse("the start line does not mark one first thrower");
    }
    const int first = start[1] == "*" ? 0 : 1;
    std::array<std::int64_t, 2> to_go{};
    for (int p = 0; p < 2; ++p) {
        const std::int32_t score = in.number(start[p == 0 ? 2 : 4]);
        PlayerBlock& player = game.players[static_cast<std::size_t>(p)];
        if (score < 1 || (player.start_score != 0 && player.start_score != score)) {
            in.refuse("a start score differs from the first leg's or is below 1");
        }
        player.start_score = score;
        to_go[static_cast<std::size_t>(p)] = score;
    }
    std::array<std::vector<std::int16_t>, 2> visits;
    int check_out_from = -1;
    std::int32_t check_out = 0;
    std::size_t rounds = 0;
    while (!in.at_end() && !in.next_is_empty()) {
        Row row = in.line(5, "a round of a leg");
        if (row[0] == l.leg_darts) {
            return finished_leg(in, row, visits, rounds, first, check_out_from, check_out);
        }
        if (number_in(row[0]) != static_cast<std::int32_t>(rounds + 1) || rounds >= 4000) {
            in.refuse("the rounds are not numbered 1, 2, 3 ...");
        }
        // In throwing order: a check-out of the second thrower ends the round after the first.
        for (const auto p :
             {static_cast<std::size_t>(first), static_cast<std::size_t>(other_player(first))}) {
            const Cell cell = read_cell(in, row[1 + 2 * p], row[2 + 2 * p], to_go[p]);
            if (!cell.thrown) {
                continue;
            }
            if (check_out_from >= 0 || visits[p].size() != rounds) {
                in.refuse("a visit after the check-out or after a round without one");
            }
            if (cell.visit < 0) {
                check_out_from = static_cast<int>(p);
                check_out = static_cast<std::int32_t>(std::clamp<std::int64_t>(to_go[p], -1, 999));
                if (check_out < 1 || check_out > 180) {
                    in.refuse("a check-out of " + std::to_string(check_out) + " points");
                }
            }
            visits[p].push_back(static_cast<std::int16_t>(cell.visit));
        }
        ++rounds;
    }
    in.refuse("a leg without its darts line");
}

// The leg's statistics as the match keeps them, from its visits alone.
void leg_statistics(GameRecord& game, int leg_index) {
    LegRecord& leg = game.legs[static_cast<std::size_t>(leg_index)];
    game.leg_index = leg_index;
    game.darts_at_double = {std::vector<std::int8_t>(leg.scores[0].size(), 0),
                            std::vector<std::int8_t>(leg.scores[1].size(), 0)};
    for (int p = 0; p < 2; ++p) {
        const auto i = static_cast<std::size_t>(p);
        const int visits = visits_in_leg(leg, p);
        const bool won_by_check_out = leg.winner == p && leg.check_out > 0;
        leg.leg_remaining[i] = won_by_check_out ? 0 : remaining_score(game, leg_index, p, visits);
        leg.leg_darts[i] = won_by_check_out ? leg.winning_darts : 3 * visits;
        recompute_leg_statistics(game, leg_index, p, visits);
    }
}

// What the file knows only for the whole game goes with its last leg.
void settle_with_totals(ArchivedLeg& last, const std::array<StatisticsCounters, 2>& sums,
                        const FileTotals& totals) {
    for (std::size_t p = 0; p < 2; ++p) {
        for (const CounterColumn& column : counter_columns()) {
            // The file does not write how many legs went into its darts per leg won.
            if (column.fold != CounterFold::Sum || column.member == &StatisticsCounters::won_legs) {
                continue;
            }
            const std::int64_t difference =
                std::int64_t{totals.counters[p].*column.member} - sums[p].*column.member;
            add_to(last.leg.counters[p].*column.member, difference);
        }
    }
}

ImportedGame read_game(Reader& in, const StartedParser& parse_started) {
    GameRecord game;
    ImportedGame imported;
    read_header(in, game, imported.started_text);
    FileTotals totals;
    read_totals(in, totals);
    read_averages(in);
    read_counts(in, totals);
    for (std::int32_t i = 0; i < totals.legs; ++i) {
        game.legs.push_back(read_leg(in, game));
    }
    if (!in.at_end()) {
        in.refuse_next("more legs than the file counts");
    }
    if (const std::optional<SystemTime> started =
            parse_started ? parse_started(imported.started_text) : std::nullopt) {
        game.started = *started;
    }
    const std::int32_t s0 = game.players[0].start_score, s1 = game.players[1].start_score;
    game.start_score = std::max(s0, s1);
    for (int i = 0; i < totals.legs; ++i) {
        leg_statistics(game, i);
    }
    game.leg_index = totals.legs;
    game.darts_at_double = {};
    std::array<StatisticsCounters, 2> sums;
    for (int i = 0; i < totals.legs; ++i) {
        std::optional<ArchivedLeg> rows = leg_rows(game, i, false);
        for (std::size_t p = 0; p < 2; ++p) {
            fold_counters(sums[p], rows->leg.counters[p]);
        }
        imported.legs.push_back(std::move(*rows));
    }
    settle_with_totals(imported.legs.back(), sums, totals);
    game.players[0].legs_won = totals.legs_won[0];
    game.players[1].legs_won = totals.legs_won[1];
    imported.game = game_row(game);
    imported.game.identity = imported_identity(imported);
    imported.game.id = game_id_of(imported.game.identity);
    for (ArchivedLeg& leg : imported.legs) {
        leg.game = imported.game;
        leg.leg.game_id = imported.game.id;
    }
    imported.result.game_id = imported.game.id;
    imported.result.legs_won = totals.legs_won;
    imported.result.finished = true;
    return imported;
}

} // namespace

std::string imported_identity(const ImportedGame& game) {
    const GameRow& g = game.game;
    std::string text = g.started.year != 0 ? archive_time_text(g.started).substr(0, 19)
                                           : "file " + game.started_text;
    for (const SeatRow& seat : g.seats) {
        text += '\t' + std::to_string(seat.start_score) + '\t' + seat.name;
    }
    return text;
}

CsvImportResult parse_game_csv(std::string_view text, const std::vector<CsvLabels>& languages,
                               const StartedParser& parse_started) {
    CsvImportResult result;
    result.line = 1;
    result.reason = "the file is empty";
    // The language whose refusal came last in the file explains best why the file is not ours.
    for (const CsvLabels& labels : languages) {
        Reader in(text, labels);
        try {
            result.game = read_game(in, parse_started);
            result.line = 0;
            result.reason.clear();
            return result;
        } catch (const Refusal& refusal) {
            if (refusal.line >= result.line) {
                result.line = refusal.line;
                result.reason = refusal.reason;
            }
        }
    }
    return result;
}

} // namespace dvk
