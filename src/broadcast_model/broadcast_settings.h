#pragma once

#include "settings/profile_document.h"

#include <cstdint>
#include <string>

namespace dvk {

// The [broadcast] section of dvk.ini. The program writes it only when the user changes it in
// the Broadcast dialog, so a settings file of a user who never opened it stays as it was.
struct BroadcastSettings {
    static constexpr std::int32_t default_port = 8469;

    std::int32_t port = default_port;
    bool lan = false;       // listen on the local network, not on this computer only
    bool autostart = false; // start the server at every start of the program

    bool operator==(const BroadcastSettings&) const = default;
};

// A port outside 1024..65535, or any other value than 0 and 1 for a switch, gives its default.
BroadcastSettings read_broadcast_settings(const ProfileDocument& document);
void write_broadcast_settings(ProfileDocument& document, const BroadcastSettings& settings);

} // namespace dvk
