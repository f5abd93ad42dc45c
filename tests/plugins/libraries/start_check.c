/* A plug-in written from <dvk/plugin.h> alone, with the checks its author relies on: the game
 * record of the initialize call and of the start event, the same record from
 * DVK_MSG_GET_GAME, and the answers of DVK_MSG_ENTER_VALUE. It logs one line per check to the
 * file named by its command line. */
#include <dvk/plugin.h>

#include <stdio.h>
#include <string.h>

static void log_text(const dvk_plugin_info* info, const char* text) {
    char path[DVK_TEXT_SIZE];
    memcpy(path, info->cmd_line, sizeof(path));
    path[sizeof(path) - 1] = '\0';
    FILE* file = fopen(path, "a");
    if (file != NULL) {
        fprintf(file, "%s\n", text);
        fclose(file);
    }
}

/* What an author expects of any game record: a start score, both names, and the current leg
 * with its rows. */
static void check_game(const dvk_plugin_info* info, const char* when, const char* source,
                       const dvk_game_record* game) {
    char line[512];
    if (game == NULL) {
        snprintf(line, sizeof(line), "%s %s: no record", when, source);
        log_text(info, line);
        return;
    }
    const dvk_leg_record* leg = game->legs != NULL ? &game->legs[game->leg_index] : NULL;
    const int whole = game->start_score > 0 && game->players[0].name[0] != '\0' &&
                      game->players[1].name[0] != '\0' && leg != NULL && leg->rows > 0 &&
                      game->players[0].remaining > 0 && game->players[1].remaining > 0;
    snprintf(line, sizeof(line),
             "%s %s: %s start=%d names=%.63s|%.63s left=%d,%d leg=%d rows=%d "
             "round=%d",
             when, source, whole ? "ok" : "empty", game->start_score, game->players[0].name,
             game->players[1].name, game->players[0].remaining, game->players[1].remaining,
             game->leg_index, leg != NULL ? leg->rows : -1, leg != NULL ? leg->round : -1);
    log_text(info, line);
}

static void check_both(dvk_window window, const dvk_plugin_info* info, const char* when) {
    check_game(info, when, "data", info->data);
    check_game(info, when, "asked",
               (const dvk_game_record*)dvk_send_message(window, DVK_MSG_GET_GAME, 0, 0));
}

static intptr_t enter(dvk_window window, int32_t value, int display_only) {
    return dvk_send_message(window, DVK_MSG_ENTER_VALUE, (uintptr_t)(uint32_t)value, display_only);
}

DVK_PLUGIN_EXPORT int32_t DVK_CALL get_plugin_info(dvk_window window, int32_t index,
                                                   dvk_plugin_description* description) {
    (void)window;
    if (index != 0) {
        return 0;
    }
    strcpy(description->title, "Start Check");
    strcpy(description->function_name, "start_check");
    return 1;
}

DVK_PLUGIN_EXPORT int32_t DVK_CALL start_check_initialize(dvk_window window,
                                                          dvk_plugin_info* info) {
    check_both(window, info, "initialize");
    return DVK_EVENT_START | DVK_EVENT_MENU | DVK_EVENT_VISIT;
}

DVK_PLUGIN_EXPORT int32_t DVK_CALL start_check(dvk_window window, int32_t event,
                                               dvk_plugin_info* info, int32_t parameter) {
    char line[256];
    switch (event) {
    case DVK_EVENT_START:
        check_both(window, info, "start");
        break;
    case DVK_EVENT_VISIT:
        /* Game changes are refused inside every event, this one nested in our own command
         * too. */
        snprintf(line, sizeof(line), "visit %d: enter=%ld", parameter, (long)enter(window, 45, 1));
        log_text(info, line);
        break;
    case DVK_EVENT_MENU: {
        const long too_large = (long)enter(window, 999, 0);
        const long shown = (long)enter(window, 45, 1);
        const long impossible = (long)enter(window, 181, 0);
        const long entered = (long)enter(window, 60, 0);
        const dvk_game_record* game =
            (const dvk_game_record*)dvk_send_message(window, DVK_MSG_GET_GAME, 0, 0);
        snprintf(line, sizeof(line), "menu: 999=%ld shown=%ld 181=%ld 60=%ld left=%d,%d", too_large,
                 shown, impossible, entered, game->players[0].remaining,
                 game->players[1].remaining);
        log_text(info, line);
        break;
    }
    default:
        break;
    }
    return 0;
}
