#include "broadcast_model/broadcast_settings.h"

namespace dvk {

namespace {

constexpr std::string_view section = "broadcast";

bool read_switch(const ProfileDocument& document, std::string_view key) {
    return document.get_int(section, key, 0) == 1;
}

} // namespace

BroadcastSettings read_broadcast_settings(const ProfileDocument& document) {
    BroadcastSettings s;
    const std::int32_t port = document.get_int(section, "port", BroadcastSettings::default_port);
    s.port = port >= 1024 && port <= 65535 ? port : BroadcastSettings::default_port;
    s.lan = read_switch(document, "lan");
    s.autostart = read_switch(document, "autostart");
    return s;
}

void write_broadcast_settings(ProfileDocument& document, const BroadcastSettings& settings) {
    document.write_int(section, "port", settings.port);
    document.write_int(section, "lan", settings.lan ? 1 : 0);
    document.write_int(section, "autostart", settings.autostart ? 1 : 0);
}

} // namespace dvk
