/* Records every event with its parameter and what it reads of the game, one line each. */
#include "test_plugin.h"

DVK_PLUGIN_EXPORT int32_t DVK_CALL get_plugin_info(dvk_window window, int32_t index,
                                                   dvk_plugin_description* description) {
    (void)window;
    if (index != 0) {
        return 0;
    }
    copy_text(description->title, sizeof(description->title), "Recorder");
    copy_text(description->function_name, sizeof(description->function_name), "record");
    return 1;
}

DVK_PLUGIN_EXPORT int32_t DVK_CALL record_initialize(dvk_window window, dvk_plugin_info* info) {
    (void)window;
    const dvk_game_record* game = info->data;
    log_line(info, "init size=%d start=%d", info->size, game != NULL ? game->start_score : -1);
    return 0x7FF;
}

DVK_PLUGIN_EXPORT int32_t DVK_CALL record(dvk_window window, int32_t event, dvk_plugin_info* info,
                                          int32_t parameter) {
    const dvk_game_record* game = info->data;
    const dvk_game_record* asked =
        (const dvk_game_record*)dvk_send_message(window, DVK_MSG_GET_GAME, 0, 0);
    int32_t player = -9;
    int32_t round = -9;
    dvk_send_message(window, DVK_MSG_GET_INPUT_CELL, (uintptr_t)&player, (intptr_t)&round);
    const dvk_score_list_state* list =
        (const dvk_score_list_state*)dvk_send_message(window, DVK_MSG_GET_SCORE_LIST, 0, 0);
    /* Every leg up to leg_index must be there; reading the current one proves it. */
    const dvk_leg_record* leg = &game->legs[game->leg_index];
    const dvk_leg_record* shown = &game->legs[list->shown_leg];
    const int entry = round >= 0 ? shown->scores[player][round] : 0;
    log_line(info,
             "e=%d p=%d same=%d game=%d leg=%d round=%d first=%d next=%d rem=%d,%d legs=%d,%d "
             "sets=%d,%d cell=%d,%d entry=%d",
             event, parameter, game == asked, game->game_index, game->leg_index, leg->round,
             leg->first_player, leg->next_player, game->players[0].remaining,
             game->players[1].remaining, game->players[0].legs_won, game->players[1].legs_won,
             game->players[0].sets_won, game->players[1].sets_won, player, round, entry);
    return 0;
}
