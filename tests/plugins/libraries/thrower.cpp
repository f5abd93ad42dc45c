// A plug-in written in C++ that lets an exception escape from its function.
#include "test_plugin.h"

#include <stdexcept>

extern "C" {

DVK_PLUGIN_EXPORT int32_t DVK_CALL throw_now(dvk_window, int32_t event, dvk_plugin_info* info,
                                             int32_t) {
    log_line(info, "throw e=%d", event);
    throw std::runtime_error("thrown by the plug-in");
}

DVK_PLUGIN_EXPORT int32_t DVK_CALL throw_now_initialize(dvk_window, dvk_plugin_info*) {
    return DVK_EVENT_VISIT | DVK_EVENT_MENU;
}
}
