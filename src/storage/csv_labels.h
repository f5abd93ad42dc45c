#pragma once

#include <string>

namespace dvk {

// The texts of a game's CSV file. The defaults are the English texts; the window layer fills
// in the translation of the user's language. `com_name` holds one "%d" for the level,
// `com_average_name` one "%d" for the average of an average level, `com_fitted_name` one "%s"
// for the name of the player a fitted computer player copies.
struct CsvLabels {
    std::string com_name = "COM (Lv.%d)";
    std::string com_average_name = "COM (Avg %d)";
    std::string com_fitted_name = "COM like %s";

    std::string totals = "Totals";
    std::string sets = "Sets";
    std::string legs = "Legs";
    std::string tons = "Tons";
    std::string count_100 = "100+";
    std::string count_140 = "140+";
    std::string count_180 = "180's";
    std::string high_out = "High Out";
    std::string best = "Best";
    std::string worst = "Worst";

    std::string averages = "Averages";
    std::string average_darts = "Darts";
    std::string average_score = "Score";
    std::string average_first9 = "First 9";
    std::string check_out_rate = "Check-Out";
    std::string keep_rate = "Keep";
    std::string break_rate = "Break";

    std::string finish_stats = "Finish Stats";
    std::string success_2_80 = "2-80 Success";
    std::string failure_2_80 = "2-80 Failure";
    std::string success_81_130 = "81-130 Success";
    std::string failure_81_130 = "81-130 Failure";
    std::string success_131 = "131+ Success";
    std::string failure_131 = "131+ Failure";

    std::string counts = "Counts";
    std::string legs_played = "Legs";
    std::string darts_won = "Darts Won";
    std::string total_score = "Score";
    std::string total_darts = "Darts";
    std::string first9_score = "First 9 Score";
    std::string first9_darts = "First 9 Darts";
    std::string check_outs = "Check-Out";
    std::string double_darts = "Double";
    std::string keep_won = "Keep Won";
    std::string keep_all = "Keep All";
    std::string break_won = "Break Won";
    std::string break_all = "Break All";

    std::string round = "Round";
    std::string scored = "Scored";
    std::string to_go = "To Go";
    std::string leg_darts = "Darts";
};

} // namespace dvk
