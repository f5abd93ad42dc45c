/* A library whose get_plugin_info never says that there are no more functions. */
#include "test_plugin.h"

DVK_PLUGIN_EXPORT int32_t DVK_CALL get_plugin_info(dvk_window window, int32_t index,
                                                   dvk_plugin_description* description) {
    (void)window;
    snprintf(description->title, sizeof(description->title), "Endless %d", index);
    /* No terminator: the program must stop at the end of the field. */
    memset(description->function_name, 'f', sizeof(description->function_name));
    return 1;
}
