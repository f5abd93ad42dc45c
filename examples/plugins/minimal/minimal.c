/*
 * A minimal dvk plug-in in plain C: copy this file to start your own.
 *
 * It offers one function, "show_scores", which dvk lists in its Tools menu. Chosen there (or
 * by the shortcut key given to it), it asks dvk for the current game through messages and
 * prints the score of both players and the visits of the current leg on standard output.
 * A plug-in with a user interface would show the same in a window of its own.
 *
 * Build: cc -shared -fPIC -fvisibility=hidden -I<dvk>/include minimal.c -o minimal.dvk
 */
#include <dvk/plugin.h>

#include <stdio.h>
#include <string.h>

/* Copies a text into a fixed field, always leaving the terminating zero. */
static void copy_text(char* field, size_t size, const char* text) {
    strncpy(field, text, size - 1);
    field[size - 1] = '\0';
}

/* Describes the functions of this library: dvk asks for 0, 1, 2, ... until it gets 0. */
DVK_PLUGIN_EXPORT int32_t DVK_CALL get_plugin_info(dvk_window window, int32_t index,
                                                   dvk_plugin_description* description) {
    (void)window;
    if (index != 0) {
        return 0;
    }
    copy_text(description->title, sizeof(description->title), "Show Scores");
    copy_text(description->function_name, sizeof(description->function_name), "show_scores");
    copy_text(description->cmd_line, sizeof(description->cmd_line), "");
    return 1;
}

/* Called once when dvk loads the function: the events it wants. The menu event puts the
 * function into the Tools menu. */
DVK_PLUGIN_EXPORT int32_t DVK_CALL show_scores_initialize(dvk_window window,
                                                          dvk_plugin_info* info) {
    (void)window;
    (void)info;
    return DVK_EVENT_MENU;
}

/* Called from the Plug-in page of the Option dialog. Answering 1 means that the function
 * showed its settings; this one has none, so dvk tells the user so. */
DVK_PLUGIN_EXPORT int32_t DVK_CALL show_scores_property(dvk_window window, dvk_plugin_info* info) {
    (void)window;
    (void)info;
    return 0;
}

/* The visits of one player in the current leg, in throwing order. */
static void print_visits(const dvk_game_record* game, int player) {
    const dvk_leg_record* leg = &game->legs[game->leg_index];
    /* Completed rounds, and the first thrower's visit of the open round once he threw. */
    int32_t visits = leg->round;
    if (player == leg->first_player && leg->next_player != leg->first_player) {
        visits += 1;
    }
    printf("  %s:", game->players[player].name);
    for (int32_t r = 0; r < visits && r <= leg->capacity; ++r) {
        const int16_t entry = leg->scores[player][r];
        if (entry < 0) {
            printf(" out(%d)", leg->check_out); /* a check-out with -entry darts */
        } else {
            printf(" %d", entry);
        }
    }
    printf("  (%d left)\n", game->players[player].remaining);
}

static void show_scores_of(dvk_window window) {
    const dvk_game_record* game =
        (const dvk_game_record*)dvk_send_message(window, DVK_MSG_GET_GAME, 0, 0);
    if (game == NULL) {
        return;
    }
    int32_t player = 0;
    int32_t round = 0;
    dvk_send_message(window, DVK_MSG_GET_INPUT_CELL, (uintptr_t)&player, (intptr_t)&round);

    printf("Game %d, leg %d\n", game->game_index + 1, game->leg_index + 1);
    for (int p = 0; p < 2; ++p) {
        const dvk_player_block* block = &game->players[p];
        printf("%s: %d left, %d legs, %d sets\n", block->name, block->remaining, block->legs_won,
               block->sets_won);
    }
    print_visits(game, 0);
    print_visits(game, 1);
    printf("Input: %s, round %d\n", game->players[player].name, round + 1);
    fflush(stdout);
}

/* The function itself: called with every event it asked for. Its answer can cancel some
 * events (DVK_ANSWER_CANCEL); 0 lets everything go on. */
DVK_PLUGIN_EXPORT int32_t DVK_CALL show_scores(dvk_window window, int32_t event,
                                               dvk_plugin_info* info, int32_t parameter) {
    (void)info;
    (void)parameter;
    if (event == DVK_EVENT_MENU) {
        show_scores_of(window);
    }
    return 0;
}
