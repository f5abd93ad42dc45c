/* Three functions in one library: "first" wants the menu event and has settings, "second"
 * wants no event, "third" has no initialize function. Each logs the events it gets. */
#include "test_plugin.h"

static const char* const names[] = {"first", "second", "third"};
static const char* const titles[] = {"First", "Second", "Third"};

DVK_PLUGIN_EXPORT int32_t DVK_CALL get_plugin_info(dvk_window window, int32_t index,
                                                   dvk_plugin_description* description) {
    (void)window;
    if (index < 0 || index > 2) {
        return 0;
    }
    copy_text(description->title, sizeof(description->title), titles[index]);
    copy_text(description->function_name, sizeof(description->function_name), names[index]);
    copy_text(description->cmd_line, sizeof(description->cmd_line), names[index]);
    return 1;
}

DVK_PLUGIN_EXPORT int32_t DVK_CALL first_initialize(dvk_window window, dvk_plugin_info* info) {
    (void)window;
    (void)info;
    return DVK_EVENT_MENU;
}

/* Keeps its settings in its command line: the property call adds " set". */
DVK_PLUGIN_EXPORT int32_t DVK_CALL first_property(dvk_window window, dvk_plugin_info* info) {
    (void)window;
    if (info->data != NULL) {
        return 0;
    }
    const size_t length = strnlen(info->cmd_line, sizeof(info->cmd_line) - 5);
    memcpy(info->cmd_line + length, " set", 5);
    return 1;
}

DVK_PLUGIN_EXPORT int32_t DVK_CALL second_initialize(dvk_window window, dvk_plugin_info* info) {
    (void)window;
    (void)info;
    return 0;
}

static int32_t logged(const char* name, dvk_plugin_info* info, int32_t event) {
    log_line(info, "%s e=%d reserved=%d", name, event, info->reserved[0]);
    /* The program keeps what a plug-in leaves in its block from call to call. */
    info->reserved[0] += 1;
    return 0;
}

DVK_PLUGIN_EXPORT int32_t DVK_CALL first(dvk_window window, int32_t event, dvk_plugin_info* info,
                                         int32_t parameter) {
    (void)window;
    (void)parameter;
    return logged("first", info, event);
}

DVK_PLUGIN_EXPORT int32_t DVK_CALL second(dvk_window window, int32_t event, dvk_plugin_info* info,
                                          int32_t parameter) {
    (void)window;
    (void)parameter;
    return logged("second", info, event);
}

DVK_PLUGIN_EXPORT int32_t DVK_CALL third(dvk_window window, int32_t event, dvk_plugin_info* info,
                                         int32_t parameter) {
    (void)window;
    (void)parameter;
    return logged("third", info, event);
}
