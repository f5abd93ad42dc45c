#include "match/automatic_ports.h"

#include <algorithm>

namespace dvk {

int AutomaticPorts::ask_checkout_darts(int check_out) {
    return check_out <= 50 ? 1 : check_out <= 110 ? 2 : 3;
}

int AutomaticPorts::ask_double_darts(int, int minimum, int maximum) {
    return std::clamp(1, minimum, maximum);
}

void AutomaticPorts::drop_last_stored_game() {
    if (match != nullptr) {
        match->drop_last_stored_game();
    }
}

void AutomaticPorts::set_input_text(const std::string& value, bool) {
    text = value;
    modified = false;
}

} // namespace dvk
