#include "stats_report.h"

#include <array>
#include <cstdio>

namespace dvk {

namespace {

std::string ratio(std::int64_t numerator, std::int64_t denominator) {
    return "(" + std::to_string(numerator) + " / " + std::to_string(denominator) + ")";
}

std::string per_leg(std::int64_t count, double per) {
    return std::to_string(count) + " (" + figure_text(per) + " per leg)";
}

std::string json_text(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            std::array<char, 8> escape{};
            std::snprintf(escape.data(), escape.size(), "\\u%04x", static_cast<unsigned>(c));
            out += escape.data();
        } else {
            out += c;
        }
    }
    return out + "\"";
}

const std::array<const char*, 3> range_names = {"2-80", "81-130", "131+"};

} // namespace

std::string text_report(const std::string& player, const CareerFigures& f,
                        const std::vector<HeadToHeadRow>& head_to_head) {
    std::string out = "Player: " + player + "\n";
    const auto line = [&](const std::string& label, const std::string& value) {
        out += label + ": " + value + "\n";
    };
    line("Games", std::to_string(f.games) + " played, " + std::to_string(f.games_won) + " won");
    line("Legs", std::to_string(f.legs) + " played, " + std::to_string(f.legs_won) + " won");
    line("3-dart average", figure_text(f.average));
    line("First 9 average", figure_text(f.first9_average));
    line("Check-out %",
         figure_text(f.check_out_percent) + " " + ratio(f.check_outs, f.darts_at_double));
    line("Darts at double", std::to_string(f.darts_at_double));
    line("Highest check-out", std::to_string(f.high_out));
    line("Best leg", std::to_string(f.best_leg));
    line("Worst leg", std::to_string(f.worst_leg));
    line("Darts per leg won", figure_text(f.darts_per_leg_won));
    line("100+ (all)", per_leg(f.tons, f.tons_per_leg));
    line("100-139", per_leg(f.count_100, f.count_100_per_leg));
    line("140+", per_leg(f.count_140, f.count_140_per_leg));
    line("180", per_leg(f.count_180, f.count_180_per_leg));
    for (std::size_t r = 0; r < f.finish.size(); ++r) {
        const FinishRange& range = f.finish[r];
        line(std::string("Finish ") + range_names[r],
             figure_text(range.percent) + " " +
                 ratio(range.successes, range.successes + range.failures));
    }
    line("Keep %", figure_text(f.keep_percent) + " " + ratio(f.keep_won, f.keep_all));
    line("Break %", figure_text(f.break_percent) + " " + ratio(f.break_won, f.break_all));
    for (const HeadToHeadRow& row : head_to_head) {
        line("Against " + row.opponent,
             std::to_string(row.games_won) + "-" + std::to_string(row.games_lost) + " games, " +
                 std::to_string(row.legs_won) + "-" + std::to_string(row.legs_lost) +
                 " legs, average " + figure_text(row.average) + " to " +
                 figure_text(row.opponent_average));
    }
    return out;
}

std::string json_report(const std::string& player, const CareerFigures& f,
                        const std::vector<HeadToHeadRow>& head_to_head) {
    std::string out = "{\"player\":" + json_text(player);
    const auto number = [&](const char* name, std::int64_t value) {
        out += ",\"" + std::string(name) + "\":" + std::to_string(value);
    };
    const auto figure = [&](const char* name, double value) {
        out += ",\"" + std::string(name) + "\":" + figure_text(value);
    };
    number("games", f.games);
    number("games_won", f.games_won);
    number("legs", f.legs);
    number("legs_won", f.legs_won);
    figure("average", f.average);
    figure("first9_average", f.first9_average);
    figure("check_out_percent", f.check_out_percent);
    number("check_outs", f.check_outs);
    number("darts_at_double", f.darts_at_double);
    number("high_out", f.high_out);
    number("best_leg", f.best_leg);
    number("worst_leg", f.worst_leg);
    figure("darts_per_leg_won", f.darts_per_leg_won);
    number("tons", f.tons);
    number("count_100", f.count_100);
    number("count_140", f.count_140);
    number("count_180", f.count_180);
    figure("tons_per_leg", f.tons_per_leg);
    figure("count_180_per_leg", f.count_180_per_leg);
    out += ",\"finish\":[";
    for (std::size_t r = 0; r < f.finish.size(); ++r) {
        out += (r == 0 ? "" : ",") + std::string("{\"range\":\"") + range_names[r] +
               "\",\"successes\":" + std::to_string(f.finish[r].successes) +
               ",\"failures\":" + std::to_string(f.finish[r].failures) +
               ",\"percent\":" + figure_text(f.finish[r].percent) + "}";
    }
    out += "]";
    figure("keep_percent", f.keep_percent);
    number("keep_won", f.keep_won);
    number("keep_all", f.keep_all);
    figure("break_percent", f.break_percent);
    number("break_won", f.break_won);
    number("break_all", f.break_all);
    out += ",\"head_to_head\":[";
    bool first = true;
    for (const HeadToHeadRow& row : head_to_head) {
        out += (first ? "" : ",") + std::string("{\"opponent\":") + json_text(row.opponent) +
               ",\"games\":" + std::to_string(row.games) +
               ",\"games_won\":" + std::to_string(row.games_won) +
               ",\"games_lost\":" + std::to_string(row.games_lost) +
               ",\"legs_won\":" + std::to_string(row.legs_won) +
               ",\"legs_lost\":" + std::to_string(row.legs_lost) +
               ",\"average\":" + figure_text(row.average) +
               ",\"opponent_average\":" + figure_text(row.opponent_average) + "}";
        first = false;
    }
    return out + "]}";
}

} // namespace dvk
