/* A library that needs a function the program does not have. */
#include "test_plugin.h"

int dvk_no_such_host_function(int value);

DVK_PLUGIN_EXPORT int32_t DVK_CALL get_plugin_info(dvk_window window, int32_t index,
                                                   dvk_plugin_description* description) {
    (void)window;
    (void)description;
    return dvk_no_such_host_function(index);
}

DVK_PLUGIN_EXPORT int32_t DVK_CALL missing(dvk_window window, int32_t event, dvk_plugin_info* info,
                                           int32_t parameter) {
    (void)window;
    (void)info;
    return dvk_no_such_host_function(event + parameter);
}
