/* Tries to enter a score from inside the calls it gets, and logs what the program answers. */
#include "test_plugin.h"

DVK_PLUGIN_EXPORT int32_t DVK_CALL get_plugin_info(dvk_window window, int32_t index,
                                                   dvk_plugin_description* description) {
    (void)window;
    if (index != 0) {
        return 0;
    }
    copy_text(description->title, sizeof(description->title), "Nester");
    copy_text(description->function_name, sizeof(description->function_name), "nest");
    return 1;
}

DVK_PLUGIN_EXPORT int32_t DVK_CALL nest_initialize(dvk_window window, dvk_plugin_info* info) {
    (void)window;
    (void)info;
    return DVK_EVENT_MENU | DVK_EVENT_VISIT;
}

DVK_PLUGIN_EXPORT int32_t DVK_CALL nest(dvk_window window, int32_t event, dvk_plugin_info* info,
                                        int32_t parameter) {
    const intptr_t entered = dvk_send_message(window, DVK_MSG_ENTER_VALUE, 60, 0);
    const intptr_t refreshed = dvk_send_message(window, DVK_MSG_REFRESH, 0, 0);
    const intptr_t moved = dvk_send_message(window, DVK_MSG_MOVE_CELL, 0, 0xFFFF0000);
    log_line(info, "nest e=%d p=%d enter=%d refresh=%d move=%d", event, parameter, (int)entered,
             (int)refreshed, (int)moved);
    return 0;
}
