/* Answers chosen events with chosen values. The command line after the log path holds
 * "EVENT=ANSWER" or "EVENT=ANSWER:ENTRY" items: ENTRY is written into the input cell of the
 * game record handed over before answering. */
#include "test_plugin.h"

#include <stdlib.h>

DVK_PLUGIN_EXPORT int32_t DVK_CALL get_plugin_info(dvk_window window, int32_t index,
                                                   dvk_plugin_description* description) {
    (void)window;
    if (index != 0) {
        return 0;
    }
    copy_text(description->title, sizeof(description->title), "Vetoer");
    copy_text(description->function_name, sizeof(description->function_name), "veto");
    return 1;
}

/* The item for `event`, or NULL. */
static const char* item_for(const dvk_plugin_info* info, int32_t event) {
    for (const char* at = strchr(info->cmd_line, ' '); at != NULL; at = strchr(at + 1, ' ')) {
        if (atoi(at + 1) == event) {
            return strchr(at + 1, '=');
        }
    }
    return NULL;
}

DVK_PLUGIN_EXPORT int32_t DVK_CALL veto_initialize(dvk_window window, dvk_plugin_info* info) {
    (void)window;
    int32_t mask = 0;
    for (const char* at = strchr(info->cmd_line, ' '); at != NULL; at = strchr(at + 1, ' ')) {
        mask |= atoi(at + 1);
    }
    return mask;
}

DVK_PLUGIN_EXPORT int32_t DVK_CALL veto(dvk_window window, int32_t event, dvk_plugin_info* info,
                                        int32_t parameter) {
    const char* item = item_for(info, event);
    if (item == NULL) {
        return 0;
    }
    const int32_t answer = atoi(item + 1);
    const char* entry = strchr(item, ':');
    if (entry != NULL && (strchr(item, ' ') == NULL || entry < strchr(item, ' '))) {
        int32_t player = 0;
        int32_t round = 0;
        dvk_send_message(window, DVK_MSG_GET_INPUT_CELL, (uintptr_t)&player, (intptr_t)&round);
        dvk_game_record* game = info->data;
        game->legs[game->leg_index].scores[player][round < 0 ? 0 : round] =
            (int16_t)atoi(entry + 1);
    }
    log_line(info, "veto e=%d p=%d answer=%d", event, parameter, answer);
    return answer;
}
