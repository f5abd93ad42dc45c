/* A library with a function but without get_plugin_info. */
#include "test_plugin.h"

DVK_PLUGIN_EXPORT int32_t DVK_CALL lonely(dvk_window window, int32_t event, dvk_plugin_info* info,
                                          int32_t parameter) {
    (void)window;
    (void)info;
    (void)parameter;
    return event;
}
