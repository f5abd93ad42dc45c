#include "caller_phrases.h"

#include <array>

namespace dvk::caller {
namespace {

constexpr std::array<const char*, 20> small_numbers = {
    "zero",     "one",     "two",     "three",     "four",     "five",    "six",
    "seven",    "eight",   "nine",    "ten",       "eleven",   "twelve",  "thirteen",
    "fourteen", "fifteen", "sixteen", "seventeen", "eighteen", "nineteen"};
constexpr std::array<const char*, 10> tens = {"",      "",      "twenty",  "thirty", "forty",
                                              "fifty", "sixty", "seventy", "eighty", "ninety"};

std::string below_hundred(int number) {
    if (number < 20) {
        return small_numbers[static_cast<std::size_t>(number)];
    }
    std::string words = tens[static_cast<std::size_t>(number / 10)];
    if (number % 10 != 0) {
        words += std::string("-") + small_numbers[static_cast<std::size_t>(number % 10)];
    }
    return words;
}

// Scores of 170 or less that no three darts ending on a double can check out.
bool is_bogey(int remaining) {
    switch (remaining) {
    case 159:
    case 162:
    case 163:
    case 165:
    case 166:
    case 168:
    case 169:
        return true;
    default:
        return false;
    }
}

std::string legs_word(int count) {
    return count == 1 ? "leg" : "legs";
}

std::string sets_word(int count) {
    return count == 1 ? "set" : "sets";
}

} // namespace

std::string number_words(int number) {
    if (number < 0) {
        return "minus " + number_words(-number);
    }
    if (number < 100) {
        return below_hundred(number);
    }
    if (number >= 1000) {
        std::string words = number_words(number / 1000) + " thousand";
        const int rest = number % 1000;
        if (rest == 0) {
            return words;
        }
        return words + (rest < 100 ? " and " : " ") + number_words(rest);
    }
    std::string words =
        std::string(small_numbers[static_cast<std::size_t>(number / 100)]) + " hundred";
    if (number % 100 != 0) {
        words += " and " + below_hundred(number % 100);
    }
    return words;
}

std::string sentence(std::string text) {
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') {
        text[0] = static_cast<char>(text[0] - 'a' + 'A');
    }
    return text;
}

std::string visit_phrase(int points) {
    if (points <= 0) {
        return "No score.";
    }
    return sentence(number_words(points)) + (points >= 100 ? "!" : ".");
}

bool is_finish(int remaining) {
    return remaining >= 2 && remaining <= 170 && !is_bogey(remaining);
}

std::string finish_phrase(const std::string& name, int remaining) {
    return name + ", you require " + number_words(remaining) + ".";
}

std::string leg_phrase() {
    return "Game shot, and the leg!";
}

std::string set_result_phrase(const std::string& winner, int winner_legs, int loser_legs) {
    return winner + " wins the set, " + number_words(winner_legs) + " " + legs_word(winner_legs) +
           " to " + number_words(loser_legs) + ".";
}

std::string drawn_set_phrase(int legs_each) {
    return "The set is drawn, " + number_words(legs_each) + " " + legs_word(legs_each) + " all.";
}

std::string sets_phrase(const std::string& player1, int sets1, const std::string& player2,
                        int sets2) {
    if (sets1 == sets2) {
        return sentence(number_words(sets1)) + " " + sets_word(sets1) + " all.";
    }
    const bool first_leads = sets1 > sets2;
    const int high = first_leads ? sets1 : sets2;
    const int low = first_leads ? sets2 : sets1;
    return (first_leads ? player1 : player2) + " leads, " + number_words(high) + " " +
           sets_word(high) + " to " + number_words(low) + ".";
}

} // namespace dvk::caller
