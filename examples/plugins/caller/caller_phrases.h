#pragma once

#include <string>

namespace dvk::caller {

// What a darts caller says, in British English as the callers on stage say it.

// A number in words: 32 gives "thirty-two", 180 "one hundred and eighty".
std::string number_words(int number);

// The call of a visit: "No score.", "Sixty.", "One hundred!", "One hundred and eighty!".
std::string visit_phrase(int points);

// Whether a score can be checked out with three darts, ending on a double or the bull.
bool is_finish(int remaining);

// A player on a finish: "Ann, you require thirty-two."
std::string finish_phrase(const std::string& name, int remaining);

// The winning check-out of a leg.
std::string leg_phrase();

// The result of a game whose legs are counted as sets: "Ann wins the set, three legs to
// one." or "The set is drawn, two legs all.", and the state of the sets: "Ann leads, two
// sets to one." or "Two sets all.".
std::string set_result_phrase(const std::string& winner, int winner_legs, int loser_legs);
std::string drawn_set_phrase(int legs_each);
std::string sets_phrase(const std::string& player1, int sets1, const std::string& player2,
                        int sets2);

// "One" to "One": the first letter in capitals.
std::string sentence(std::string text);

} // namespace dvk::caller
