/* Functions that end the program from inside a call: a write through a null pointer on a
 * visit, the same at the start event, and exit() in the initialize function. */
#include <dvk/plugin.h>

#include <stdlib.h>
#include <string.h>

static void describe(dvk_plugin_description* description, const char* title, const char* name) {
    strncpy(description->title, title, sizeof(description->title) - 1);
    strncpy(description->function_name, name, sizeof(description->function_name) - 1);
}

static void write_through_null(void) {
    volatile int* volatile nowhere = NULL;
    *nowhere = 1;
}

DVK_PLUGIN_EXPORT int32_t DVK_CALL get_plugin_info(dvk_window window, int32_t index,
                                                   dvk_plugin_description* description) {
    (void)window;
    switch (index) {
    case 0:
        describe(description, "Crash on Visit", "crash_on_visit");
        return 1;
    case 1:
        describe(description, "Crash at Start", "crash_at_start");
        return 1;
    case 2:
        describe(description, "Exit at Initialize", "exit_at_initialize");
        return 1;
    default:
        return 0;
    }
}

DVK_PLUGIN_EXPORT int32_t DVK_CALL crash_on_visit_initialize(dvk_window window,
                                                             dvk_plugin_info* info) {
    (void)window;
    (void)info;
    return DVK_EVENT_VISIT;
}

DVK_PLUGIN_EXPORT int32_t DVK_CALL crash_on_visit(dvk_window window, int32_t event,
                                                  dvk_plugin_info* info, int32_t parameter) {
    (void)window;
    (void)info;
    (void)parameter;
    if (event == DVK_EVENT_VISIT) {
        write_through_null();
    }
    return 0;
}

DVK_PLUGIN_EXPORT int32_t DVK_CALL crash_at_start_initialize(dvk_window window,
                                                             dvk_plugin_info* info) {
    (void)window;
    (void)info;
    return DVK_EVENT_START;
}

DVK_PLUGIN_EXPORT int32_t DVK_CALL crash_at_start(dvk_window window, int32_t event,
                                                  dvk_plugin_info* info, int32_t parameter) {
    (void)window;
    (void)info;
    (void)parameter;
    if (event == DVK_EVENT_START) {
        write_through_null();
    }
    return 0;
}

DVK_PLUGIN_EXPORT int32_t DVK_CALL exit_at_initialize_initialize(dvk_window window,
                                                                 dvk_plugin_info* info) {
    (void)window;
    (void)info;
    exit(3);
}

DVK_PLUGIN_EXPORT int32_t DVK_CALL exit_at_initialize(dvk_window window, int32_t event,
                                                      dvk_plugin_info* info, int32_t parameter) {
    (void)window;
    (void)event;
    (void)info;
    (void)parameter;
    return 0;
}
