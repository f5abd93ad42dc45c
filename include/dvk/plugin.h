/*
 * dvk plug-in interface.
 *
 * A plug-in is a shared library (file name ending in .dvk, or .so on Linux) that exports
 *
 *   get_plugin_info           describes the functions the library offers;
 *   <function>                one per offered function, called on the events it asks for;
 *   <function>_initialize     optional: returns the events <function> wants (DVK_EVENT_...);
 *   <function>_property       optional: shows the function's own settings.
 *
 * Everything is plain C with fixed-width integers; pointers have the platform's size. Texts
 * are UTF-8 and zero-terminated within their fields.
 *
 * Linking
 *   dvk_send_message() is defined by the program, not by a library: build the plug-in as a
 *   loadable module (gcc -shared -fPIC, or CMake's add_library(... MODULE ...)) and leave the
 *   symbol undefined. Do not link with -Wl,--no-undefined or -z defs. The program exports the
 *   function from its executable, and the dynamic loader binds it when the program loads the
 *   library; all symbols are bound at load time, so a library that needs anything else the
 *   program lacks fails to load (with the loader's message) instead of failing at its first
 *   call. Mark the exported functions with DVK_PLUGIN_EXPORT when building with hidden
 *   visibility.
 *
 * Loading and the start
 *   At start-up the program first sets up its game: the game of the recovery file (dvk.tmp)
 *   when there is one, else a new match from the current game options. Then, before the
 *   window shows the game, it loads the plug-ins in list order, calls each one's
 *   <function>_initialize, and then sends DVK_EVENT_START. Both calls see the whole game
 *   record: names, start scores, scores left, legs[0..leg_index] with their rows, and the
 *   same record from DVK_MSG_GET_GAME; DVK_MSG_GET_INPUT_CELL names the cell the game will
 *   open with. The game's own events (DVK_EVENT_GAME_START, _LEG_START, _INPUT_CELL) follow
 *   once the window shows it. On a fresh start the game option dialog opens after that, and
 *   the game the user then starts begins with DVK_EVENT_GAME_START again.
 *   A function added on the Plug-in page later is loaded when the Option dialog is confirmed:
 *   its <function>_initialize sees the game of that moment, and it gets no DVK_EVENT_START.
 *   An entry turned off on the Plug-in page is not loaded and gets no calls.
 *
 * Records
 *   The records a plug-in receives (the game record of every event, the answers of the query
 *   messages) are copies the program makes for the call in progress: reading them is always
 *   safe, changing them changes nothing in the program, with one exception
 *   (DVK_ANSWER_REREAD). They stay valid until the plug-in's function returns; outside a
 *   call (for example from a timer of the plug-in's own) until the program's event loop runs
 *   again. Keep values, not pointers.
 *
 * The records at each event (`game` is info->data):
 *   DVK_EVENT_GAME_START  game_index is the game's; a new game's leg 0 is set up and empty.
 *   DVK_EVENT_LEG_START   leg_index is the leg's; a new leg is empty and the scores left are
 *                         the start scores. Both events also come when the program shows a
 *                         game it continues (at start-up, or leaving "Previous Leg"): the leg
 *                         then holds its visits.
 *   DVK_EVENT_INPUT_CELL  the input cell (DVK_MSG_GET_INPUT_CELL) is the one just opened.
 *   DVK_EVENT_VISIT       the visit is stored in its cell and the player's score left is
 *                         counted, but the turn has not passed (next_player and round are
 *                         still those of the cell) and neither the leg's statistics
 *                         (leg_tons ... leg_fail_131) nor the player's are updated yet.
 *   DVK_EVENT_LEG_WON     after a game shot (parameter minus the darts) the check-out is
 *                         stored as minus its darts, the winner's score left is 0 and the turn
 *                         has passed; `finished`, `winner`, `winning_darts` and `legs_won`
 *                         are not set yet, nor the statistics. After the middle for diddle
 *                         (parameter 0) `finished` is 1 and the winner is not set yet.
 *   DVK_EVENT_LEG_END     leg_index has been raised and legs[leg_index], the next leg, exists
 *                         and is readable; the parameter is the finished leg's index. legs_won
 *                         counts the finished leg; sets_won does not yet count a won game.
 *   DVK_EVENT_GAME_END    sets_won counts the game.
 *
 * Nesting and changes
 *   The messages that change the game (DVK_MSG_REFRESH, DVK_MSG_ENTER_VALUE,
 *   DVK_MSG_MOVE_CELL) are carried out only from DVK_EVENT_MENU (the function's Tools item
 *   or shortcut) or outside every call (from a plug-in's own timer). Inside every other call
 *   (the events, <function>_initialize, <function>_property) they are refused with the
 *   answer 0, so that no change of the game starts inside another. What a DVK_EVENT_MENU
 *   command changes is told to every plug-in before the message returns: events
 *   DVK_EVENT_VISIT and DVK_EVENT_INPUT_CELL (and after a check-out DVK_EVENT_LEG_WON,
 *   _LEG_END, _GAME_END, _GAME_START and _LEG_START) arrive nested inside the plug-in's own
 *   command, to the same plug-in too. Its answers to those nested events count as usual.
 *
 * Threads and failures
 *   Every call comes on the program's user-interface thread; a plug-in that blocks blocks the
 *   program, and dvk_send_message() from any other thread answers 0. A plug-in must not let a
 *   C++ exception leave its functions (one that does is reported and not called again). A
 *   plug-in runs in the program's process: when a call ends the program (a crash, abort(),
 *   exit() or quick_exit()), the program notes which function was running, and at its next
 *   start it names that function and its library to the user and turns the entry off (it
 *   stays in the list and can be turned on again on the Plug-in page). The game in progress
 *   is kept.
 *
 * A plug-in's own files
 *   Keep settings and other files in the folder DVK_MSG_GET_SETTINGS_FOLDER answers, the
 *   folder of the program's dvk.ini, never beside the library (an installed library's folder
 *   is shared by all users and read-only). The program chooses that folder as follows: it is
 *   the program's own folder when the program runs portable, else the user's configuration
 *   folder for dvk ($XDG_CONFIG_HOME/dvk, by default ~/.config/dvk, on Linux). It runs
 *   portable when started with --portable; else when the environment has DVK_FOLDERS=portable
 *   (DVK_FOLDERS=installed forbids it); else when dvk.ini or dvk.tmp lies beside the
 *   executable, or the executable runs in its build folder, and that folder can be written
 *   to. Name files after the plug-in, for example "<library name>.ini", so that they do not
 *   meet the program's own.
 */
#ifndef DVK_PLUGIN_H
#define DVK_PLUGIN_H

#include <stddef.h>
#include <stdint.h>

#if defined(_WIN32) && !defined(_WIN64)
#define DVK_CALL __stdcall
#else
#define DVK_CALL
#endif

#if defined(_WIN32)
#define DVK_PLUGIN_EXPORT __declspec(dllexport)
#if defined(DVK_BUILDING_HOST)
#define DVK_HOST_API __declspec(dllexport)
#else
#define DVK_HOST_API __declspec(dllimport)
#endif
#else
#define DVK_PLUGIN_EXPORT __attribute__((visibility("default")))
#define DVK_HOST_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
#define DVK_STATIC_ASSERT(condition, message) static_assert(condition, message)
extern "C" {
#else
#define DVK_STATIC_ASSERT(condition, message) _Static_assert(condition, message)
#endif

/* ---------------------------------------------------------------------------------------- */
/* Events, answers and messages                                                             */
/* ---------------------------------------------------------------------------------------- */

/* Opaque handle of a window of the program. The `window` argument of every call is the main
 * window; pass it to dvk_send_message(). */
typedef struct dvk_window_handle* dvk_window;

/* Events: the bits of the mask <function>_initialize returns, and the `event` argument. */
enum dvk_event {
    DVK_EVENT_START = 1,          /* the program has started, its game set up; parameter 0 */
    DVK_EVENT_CLOSE = 2,          /* close request; parameter DVK_CLOSE_WINDOW or _SESSION */
    DVK_EVENT_MENU = 4,           /* the function's Tools menu item or shortcut key; 0 */
    DVK_EVENT_GAME_START = 8,     /* a game begins; parameter game_index */
    DVK_EVENT_GAME_END = 16,      /* a game has been won; parameter game_index */
    DVK_EVENT_LEG_START = 32,     /* a leg begins; parameter leg_index */
    DVK_EVENT_LEG_END = 64,       /* a leg has been completed; parameter that leg's index */
    DVK_EVENT_INPUT_CELL = 128,   /* the score input cell has opened; 0 */
    DVK_EVENT_VISIT = 256,        /* a visit has been stored; parameter its points */
    DVK_EVENT_LEG_WON = 512,      /* a leg has been won; minus the darts, 0 for a diddle */
    DVK_EVENT_PREVIOUS_LEG = 1024 /* "Previous Leg" is requested; 0 */
};

/* Parameters of DVK_EVENT_CLOSE. */
enum dvk_close_reason {
    DVK_CLOSE_WINDOW = 16, /* the user closes the program */
    DVK_CLOSE_SESSION = 17 /* the desktop session is ending */
};

/* Bits of a function's answer. The answers of all functions called for one event are OR-ed;
 * the calls stop after the first answer that contains DVK_ANSWER_CANCEL. */
enum dvk_answer {
    /* DVK_EVENT_CLOSE: the program stays open when the combined answer is exactly 2.
     * DVK_EVENT_VISIT and DVK_EVENT_LEG_WON: the visit or the win is undone.
     * DVK_EVENT_PREVIOUS_LEG: the request is refused. Other events: no effect. */
    DVK_ANSWER_CANCEL = 2,
    /* DVK_EVENT_VISIT and DVK_EVENT_LEG_WON: the program reads the entry of the input cell
     * back from the game record it handed over (legs[leg].scores[player][round], with the
     * cell from DVK_MSG_GET_INPUT_CELL) and checks it as if it had been typed. A negative
     * entry is a check-out with that many darts. Nothing else of the record is read back. */
    DVK_ANSWER_REREAD = 4
};

/* Messages for dvk_send_message(). Any other message is answered with 0. */
enum dvk_message {
    DVK_MSG_INTERFACE_VERSION = 33268, /* answers DVK_INTERFACE_VERSION */
    DVK_MSG_GET_OPTIONS = 33278,       /* answers a dvk_app_options* */
    DVK_MSG_GET_GAME_OPTIONS = 33279,  /* the dvk_game_options* of the game being played */
    DVK_MSG_GET_GAME = 33280,          /* answers the current dvk_game_record* */
    DVK_MSG_GET_HISTORY = 33281,       /* answers a dvk_history_list* */
    DVK_MSG_GET_SCORE_LIST = 33282,    /* answers a dvk_score_list_state* */
    /* wparam: int32_t* for the input cell's player, lparam: int32_t* for its round (either
     * may be 0). Answers the round in the high 16 bits and the player in the low 16 bits. */
    DVK_MSG_GET_INPUT_CELL = 33283,
    DVK_MSG_GET_WINDOWS = 33284, /* answers dvk_window[DVK_WINDOW_COUNT] */
    /* lparam: a dvk_game_record* the program handed out (info->data, or one in an answer of
     * DVK_MSG_GET_GAME, _GET_HISTORY or _GET_SCORE_LIST). Answers a new char* holding the game as a
     * CSV file, or 0 for any other pointer, when memory runs out, or while 64 texts are
     * outstanding: release each with DVK_MSG_FREE_TEXT. */
    DVK_MSG_GAME_CSV = 33288,
    /* lparam: a text from DVK_MSG_GAME_CSV. Answers 1 when it was released, 0 (and nothing
     * happens) for 0, any other pointer, or a text released already. */
    DVK_MSG_FREE_TEXT = 33289,
    /* Answers a const char* naming the folder where the program keeps dvk.ini (UTF-8, no
     * trailing separator), valid while the program runs; 0 from a program that does not
     * know the message. See "A plug-in's own files" above. */
    DVK_MSG_GET_SETTINGS_FOLDER = 33290,
    /* The messages below change the game. They are refused (answer 0) during every call
     * except DVK_EVENT_MENU, so that no game change starts inside another. */
    /* Redraws the score list, the title and the sides; answers 1, or 0 when refused. */
    DVK_MSG_REFRESH = 33298,
    /* wparam: a value v (as int32_t), lparam: 1 to show it in the input cell only. v >= 0
     * is typed into the input cell and, unless shown only, entered as with Enter; v < 0 is a
     * check-out of the remaining score with -v darts (shown only or not). Answers 1 when the
     * value was carried out: shown in the cell (0 to 999, shown only), or entered and kept.
     * Answers 0 when nothing was entered: refused inside an event, the shown leg is over, v
     * is above 999, the score rules refuse it (a score three darts cannot make, more than the
     * score left; the program beeps), a plug-in undid it, or the user cancelled the check-out
     * or its darts. */
    DVK_MSG_ENTER_VALUE = 33300,
    /* wparam: 1 to leave (commit) the input cell first, lparam: the new cell, the player in
     * the low 16 bits (0xFFFF: unchanged) and the round in the high 16 bits (lparam of
     * 0xFFFF0000 or above: unchanged). Answers 1 when the cell moved. */
    DVK_MSG_MOVE_CELL = 33308
};

#define DVK_INTERFACE_VERSION 26

/* The windows in the table of DVK_MSG_GET_WINDOWS. With Qt 6 each handle is the window's
 * QWidget*, usable as the parent of a plug-in's own dialogs. */
enum dvk_window_index {
    DVK_WINDOW_MAIN = 0,
    DVK_WINDOW_SCORE_LIST = 1,
    DVK_WINDOW_LEFT_SCORE_1 = 2,
    DVK_WINDOW_LEFT_SCORE_2 = 3,
    DVK_WINDOW_PLAYER_INFO_1 = 4,
    DVK_WINDOW_PLAYER_INFO_2 = 5,
    DVK_WINDOW_GUIDE = 6,
    DVK_WINDOW_PLAYER_NAME = 7,
    DVK_WINDOW_COUNT = 8
};

/* ---------------------------------------------------------------------------------------- */
/* Records of a game                                                                        */
/* ---------------------------------------------------------------------------------------- */

#define DVK_NAME_SIZE 64
#define DVK_TEXT_SIZE 256

/* How one game is played: the current game options or one entry of the schedule. */
typedef struct dvk_game_options {
    int32_t start_score;
    int32_t round_limit; /* 1: the rounds of a leg are limited to `round` */
    int32_t round;
    int32_t leg_limit; /* 1: the legs of a game are limited to `max_leg` */
    int32_t max_leg;
    int32_t best_of; /* 1: `max_leg` is a best-of number */
    char p1_name[DVK_NAME_SIZE];
    char p2_name[DVK_NAME_SIZE];
    int32_t p1_start_score; /* handicap; 0 or less means `start_score` */
    int32_t p2_start_score;
    int32_t p1_com; /* 1: the computer plays player 1 */
    int32_t p2_com;
    int32_t p1_com_level; /* computer level index (shown plus one) */
    int32_t p2_com_level;
    int32_t schedule_entry; /* 1 for an entry of the schedule */
    int32_t change_first;   /* 1: the first thrower alternates from game to game */
} dvk_game_options;

/* Local date and time, in the field order of the Windows SYSTEMTIME. */
typedef struct dvk_system_time {
    uint16_t year;
    uint16_t month;
    uint16_t day_of_week;
    uint16_t day;
    uint16_t hour;
    uint16_t minute;
    uint16_t second;
    uint16_t milliseconds;
} dvk_system_time;

/* The 26 statistics counters of a player, kept for the game and for the match. */
typedef struct dvk_statistics {
    int32_t tons;      /* visits of 100 or more */
    int32_t count_100; /* visits of 100 to 139 */
    int32_t reserved;
    int32_t count_140; /* visits of 140 to 179 */
    int32_t count_180;
    int32_t high_out;  /* highest check-out */
    int32_t best_leg;  /* fewest darts of a won leg */
    int32_t worst_leg; /* most darts of a won leg */
    int32_t total_score;
    int32_t total_darts;
    int32_t won_darts;
    int32_t won_legs;
    int32_t first9_score;
    int32_t first9_darts;
    int32_t double_darts; /* darts thrown at a double */
    int32_t check_outs;
    int32_t keep_all;     /* legs thrown first */
    int32_t keep_won;     /* ... and won */
    int32_t break_all;    /* legs thrown second */
    int32_t break_won;    /* ... and won */
    int32_t success_2_80; /* finishes taken and missed, by the score left */
    int32_t failure_2_80;
    int32_t success_81_130;
    int32_t failure_81_130;
    int32_t success_131;
    int32_t failure_131;
} dvk_statistics;

/* One player of a game. */
typedef struct dvk_player_block {
    char name[DVK_NAME_SIZE];
    int32_t start_score;  /* handicap start score, or the game's */
    int32_t remaining;    /* score left in the current leg */
    int32_t sets_won;     /* games of the match won */
    int32_t legs_won;     /* legs of this game won */
    dvk_statistics game;  /* this game */
    dvk_statistics match; /* the earlier games of the match */
    int32_t com_locked;   /* 1: only the computer enters this player's visits */
    int32_t ask_double;   /* 1: darts at a double are asked after visits */
    int32_t com;          /* 1: the computer throws for this player */
    int32_t com_level;
    int16_t com_result; /* the computer's last visit */
    int16_t reserved;
} dvk_player_block;

/* One leg. Each score array holds `capacity` + 1 entries in throwing order; entry r is the
 * player's visit of round r. A visit is 0 to 180 points, or -1 to -3 for the check-out
 * that won the leg (the darts used; its points are `check_out`). Entries past the thrown
 * visits mean nothing. */
typedef struct dvk_leg_record {
    int32_t first_player; /* 0 or 1 */
    int32_t round;        /* completed rounds; the open round has this index */
    int32_t next_player;
    int32_t rows; /* rounds the leg shows and accepts */
    int32_t capacity;
    int16_t* scores[2];
    int32_t finished; /* 1 when the leg is over */
    int32_t winner;
    int32_t winning_darts;
    int16_t check_out; /* points of the winning check-out */
    int16_t reserved;
    /* Per-leg statistics: [0] player 1, [1] player 2. */
    int32_t leg_tons[2];
    int32_t leg_100[2];
    int32_t leg_reserved[2];
    int32_t leg_140[2];
    int32_t leg_180[2];
    int32_t leg_remaining[2];
    int32_t leg_darts[2];
    int32_t leg_first9_score[2];
    int32_t leg_first9_darts[2];
    int32_t leg_double_darts[2];
    int32_t leg_fail_2_80[2];
    int32_t leg_fail_81_130[2];
    int32_t leg_fail_131[2];
} dvk_leg_record;

/* A game: `legs` holds `leg_index` + 1 legs, every one before the current one finished. */
typedef struct dvk_game_record {
    int32_t schedule_mode; /* 1 when the match follows the schedule */
    int32_t stored;        /* 1 once the game is in the history */
    int32_t start_score;
    int32_t game_index; /* game of the match, from 0 */
    int32_t leg_index;  /* current leg, from 0: the number of finished legs */
    int32_t leg_limit;
    int32_t max_leg;
    int32_t best_of;
    int32_t round_limit;
    int32_t round; /* the round limit */
    dvk_system_time started;
    dvk_player_block players[2];
    dvk_leg_record* legs;
    /* Darts thrown at a double per visit of the current leg, `capacity` + 1 entries each;
     * 0 in a game of the history. */
    int8_t* darts_at_double[2];
} dvk_game_record;

/* The games finished since the match began, oldest first. */
typedef struct dvk_history_list {
    dvk_game_record* items;
    int32_t count;
    dvk_game_record* current; /* the current game record */
} dvk_history_list;

/* ---------------------------------------------------------------------------------------- */
/* Plug-in records                                                                          */
/* ---------------------------------------------------------------------------------------- */

/* Handed to every call. The program keeps one per configured function: `cmd_line` and
 * `reserved` keep what the plug-in writes there (the command line is saved with the
 * settings); `size` and `data` are set before each call. */
typedef struct dvk_plugin_info {
    int32_t size; /* sizeof(dvk_plugin_info) */
    char cmd_line[DVK_TEXT_SIZE];
    int32_t reserved[2];
    dvk_game_record* data; /* the current game; 0 for <function>_property */
} dvk_plugin_info;

/* Filled by get_plugin_info; zero-filled by the program before each call. */
typedef struct dvk_plugin_description {
    int32_t size;                      /* sizeof(dvk_plugin_description) */
    char title[DVK_TEXT_SIZE];         /* the name in the Tools menu */
    char function_name[DVK_TEXT_SIZE]; /* the exported name of the function */
    char cmd_line[DVK_TEXT_SIZE];      /* the first command line of a new entry */
} dvk_plugin_description;

/* get_plugin_info: describes function number `index` (from 0) and returns non-zero, or
 * returns 0 when there is no such function. The program asks for 0, 1, 2, ... (at most 256
 * functions). */
typedef int32_t(DVK_CALL* dvk_get_plugin_info_function)(dvk_window window, int32_t index,
                                                        dvk_plugin_description* description);
/* <function>: called with one event; the answer is a combination of DVK_ANSWER_... bits. */
typedef int32_t(DVK_CALL* dvk_plugin_function)(dvk_window window, int32_t event,
                                               dvk_plugin_info* info, int32_t parameter);
/* <function>_initialize: called once when the function is loaded (see "Loading and the start"
 * above); returns its events. info->data is the game the program has set up. */
typedef int32_t(DVK_CALL* dvk_plugin_initialize_function)(dvk_window window, dvk_plugin_info* info);
/* <function>_property: shows the function's settings and returns 1; any other answer makes
 * the program say that the item has no settings. */
typedef int32_t(DVK_CALL* dvk_plugin_property_function)(dvk_window window, dvk_plugin_info* info);

/* ---------------------------------------------------------------------------------------- */
/* The program's options                                                                    */
/* ---------------------------------------------------------------------------------------- */

typedef struct dvk_window_rect {
    int32_t left;
    int32_t top;
    int32_t width;
    int32_t height;
} dvk_window_rect;

/* One entry of the key table: `key` (a Windows virtual-key code, 0 = none) pressed with
 * `modifiers` (4 Shift, 8 Ctrl, 16 Alt, added) runs `action`: a menu command id, or 51000
 * plus a score for a score template. */
typedef struct dvk_key_binding {
    int32_t action;
    int32_t modifiers;
    int32_t key;
} dvk_key_binding;

/* One line of the check-out or computer table: a remaining score and five text fields. */
typedef struct dvk_arrange_entry {
    int32_t score;
    char fields[5][11];
} dvk_arrange_entry;

/* One configured plug-in function, in Tools menu order. */
typedef struct dvk_plugin_entry {
    char title[DVK_TEXT_SIZE];
    char lib_file_path[DVK_TEXT_SIZE];
    char func_name[DVK_TEXT_SIZE];
    int32_t event_mask;           /* what <function>_initialize returned; 0 when none */
    void* library;                /* not 0 while the library is loaded; opaque */
    dvk_plugin_function function; /* not 0 while loaded */
    dvk_plugin_info info;
    int32_t list_index; /* the entry's position in the list */
    int32_t modifiers;  /* shortcut: 4 Shift, 8 Ctrl, 16 Alt */
    int32_t key;        /* shortcut virtual-key code, 0 = none */
} dvk_plugin_entry;

/* The flags of the player information window. */
typedef struct dvk_player_items {
    int32_t name;
    int32_t first;
    int32_t total_sets;
    int32_t total_legs;
    int32_t total_tons;
    int32_t total_100;
    int32_t total_140;
    int32_t total_180s;
    int32_t total_high_off;
    int32_t total_short;
    int32_t total_long;
    int32_t avg_score;
    int32_t avg_darts;
    int32_t avg_first9;
    int32_t avg_check_out;
    int32_t avg_check_out_count;
    int32_t avg_keep;
    int32_t avg_keep_count;
    int32_t avg_break;
    int32_t avg_break_count;
    int32_t arrange;
    int32_t large_font;
    int32_t scroll;
    int32_t avg_per_round;
} dvk_player_items;

#define DVK_COLOR_COUNT 31
#define DVK_NAME_LIST_SIZE 64

/* Every setting of the program (dvk.ini). Colours are 0x00BBGGRR. */
typedef struct dvk_app_options {
    dvk_window_rect main_window;
    int32_t show_state; /* 3 maximized, 10 the system's default */
    int32_t show_player;
    int32_t show_left;
    int32_t show_guide;
    int32_t throw_count;
    int32_t ton_circle;
    int32_t separate;
    int32_t scroll_bar;
    int32_t auto_save;
    char auto_save_path[DVK_TEXT_SIZE];
    int32_t check_out_mode;
    int32_t recovery;
    int32_t check_out_font_height;
    int32_t default_number;
    int32_t default_segment;
    dvk_game_options game; /* the current game options */
    dvk_game_options* schedule;
    int32_t schedule_count;
    char name_list[DVK_NAME_LIST_SIZE][DVK_NAME_SIZE];
    int32_t name_list_count;
    dvk_window_rect history_window;
    dvk_window_rect score_list_window;
    dvk_window_rect arrange_window;
    dvk_arrange_entry* checkout_table;
    int32_t checkout_count;
    dvk_arrange_entry* com_table;
    int32_t com_count;
    uint32_t colors[DVK_COLOR_COUNT];
    char font_name[DVK_TEXT_SIZE];
    dvk_key_binding* keys;
    int32_t key_count;
    int32_t keys_customised;
    dvk_player_items player;
    dvk_plugin_entry* plugins;
    int32_t plugin_count;
    int32_t recovery_delete;
    int32_t left_font_size; /* 20 larger, 40 medium, 60 smaller */
    int32_t com_timer;      /* milliseconds per computer dart */
    int32_t show_name;
    int32_t name_size;
    int32_t full_screen;
    int32_t full_screen_menu_interval;
    int32_t view_separate_width;
} dvk_app_options;

/* ---------------------------------------------------------------------------------------- */
/* The score list                                                                           */
/* ---------------------------------------------------------------------------------------- */

/* What the score list shows. The drawing objects of its Windows original have no
 * counterpart in this program: those fields are always 0. */
typedef struct dvk_score_list_state {
    void* edit;
    int32_t input_player;
    int32_t input_round; /* -1 shows the start-score row */
    int32_t shown_leg;
    int32_t view_only;
    int32_t input_disabled;
    int32_t largest_top;
    int32_t top; /* first display row under the header */
    int32_t rows_per_page;
    /* Column edges in pixels. */
    int32_t p1_scored_left;
    int32_t p2_scored_left;
    int32_t p1_scored_right;
    int32_t p2_scored_right;
    int32_t p1_to_go_right;
    int32_t p2_to_go_right;
    void* row_surface;
    void* row_bitmap;
    void* row_old_bitmap;
    void* template_surface;
    void* template_bitmap;
    void* template_old_bitmap;
    int32_t template_width;
    int32_t template_height;
    int32_t template_rebuild;
    int32_t template_first_player;
    void* circle_surface;
    void* circle_bitmap;
    void* circle_old_bitmap;
    void* header_font;
    int32_t header_height;
    void* score_font;
    int32_t row_height;
    void* template_old_font;
    void* row_old_font;
    void* brushes[3];
    void* pens[5];
    int32_t circle_scale;
    dvk_game_record* game; /* the game shown */
    int32_t has_previous;  /* 1: "Previous Leg" can restore `previous` */
    dvk_game_record previous;
    int32_t previous_shown_leg;
    int32_t previous_input_player;
    int32_t previous_input_round;
    int32_t forward_pending; /* 1: leaving the previous leg restores `forward` */
    dvk_game_record forward;
    int32_t forward_shown_leg;
    int32_t forward_input_player;
    int32_t forward_input_round;
} dvk_score_list_state;

/* ---------------------------------------------------------------------------------------- */
/* The program's side                                                                       */
/* ---------------------------------------------------------------------------------------- */

/* Sends a message (DVK_MSG_...) to the program; `window` is the window argument of the call.
 * Defined by the program and bound when the library is loaded (see "Linking" above). */
DVK_HOST_API intptr_t dvk_send_message(dvk_window window, uint32_t message, uintptr_t wparam,
                                       intptr_t lparam);

/* ---------------------------------------------------------------------------------------- */
/* Layouts                                                                                  */
/* ---------------------------------------------------------------------------------------- */

#define DVK_ASSERT_SIZE(type, size32, size64)                                                      \
    DVK_STATIC_ASSERT(sizeof(type) == (sizeof(void*) == 4 ? (size32) : (size64)), "size "          \
                                                                                  "of " #type)
#define DVK_ASSERT_OFFSET(type, field, offset32, offset64)                                         \
    DVK_STATIC_ASSERT(offsetof(type, field) == (sizeof(void*) == 4 ? (offset32) : (offset64)),     \
                      "offset of " #type "." #field)

DVK_ASSERT_SIZE(dvk_game_options, 184, 184);
DVK_ASSERT_OFFSET(dvk_game_options, round_limit, 4, 4);
DVK_ASSERT_OFFSET(dvk_game_options, round, 8, 8);
DVK_ASSERT_OFFSET(dvk_game_options, leg_limit, 12, 12);
DVK_ASSERT_OFFSET(dvk_game_options, max_leg, 16, 16);
DVK_ASSERT_OFFSET(dvk_game_options, best_of, 20, 20);
DVK_ASSERT_OFFSET(dvk_game_options, p1_name, 24, 24);
DVK_ASSERT_OFFSET(dvk_game_options, p2_name, 88, 88);
DVK_ASSERT_OFFSET(dvk_game_options, p1_start_score, 152, 152);
DVK_ASSERT_OFFSET(dvk_game_options, p2_start_score, 156, 156);
DVK_ASSERT_OFFSET(dvk_game_options, p1_com, 160, 160);
DVK_ASSERT_OFFSET(dvk_game_options, p2_com, 164, 164);
DVK_ASSERT_OFFSET(dvk_game_options, p1_com_level, 168, 168);
DVK_ASSERT_OFFSET(dvk_game_options, p2_com_level, 172, 172);
DVK_ASSERT_OFFSET(dvk_game_options, schedule_entry, 176, 176);
DVK_ASSERT_OFFSET(dvk_game_options, change_first, 180, 180);

DVK_ASSERT_SIZE(dvk_system_time, 16, 16);
DVK_ASSERT_SIZE(dvk_statistics, 104, 104);
DVK_ASSERT_OFFSET(dvk_statistics, high_out, 20, 20);
DVK_ASSERT_OFFSET(dvk_statistics, failure_131, 100, 100);

DVK_ASSERT_SIZE(dvk_player_block, 308, 308);
DVK_ASSERT_OFFSET(dvk_player_block, start_score, 64, 64);
DVK_ASSERT_OFFSET(dvk_player_block, remaining, 68, 68);
DVK_ASSERT_OFFSET(dvk_player_block, sets_won, 72, 72);
DVK_ASSERT_OFFSET(dvk_player_block, legs_won, 76, 76);
DVK_ASSERT_OFFSET(dvk_player_block, game, 80, 80);
DVK_ASSERT_OFFSET(dvk_player_block, match, 184, 184);
DVK_ASSERT_OFFSET(dvk_player_block, com_locked, 288, 288);
DVK_ASSERT_OFFSET(dvk_player_block, ask_double, 292, 292);
DVK_ASSERT_OFFSET(dvk_player_block, com, 296, 296);
DVK_ASSERT_OFFSET(dvk_player_block, com_level, 300, 300);
DVK_ASSERT_OFFSET(dvk_player_block, com_result, 304, 304);

DVK_ASSERT_SIZE(dvk_leg_record, 148, 160);
DVK_ASSERT_OFFSET(dvk_leg_record, round, 4, 4);
DVK_ASSERT_OFFSET(dvk_leg_record, next_player, 8, 8);
DVK_ASSERT_OFFSET(dvk_leg_record, rows, 12, 12);
DVK_ASSERT_OFFSET(dvk_leg_record, capacity, 16, 16);
DVK_ASSERT_OFFSET(dvk_leg_record, scores, 20, 24);
DVK_ASSERT_OFFSET(dvk_leg_record, finished, 28, 40);
DVK_ASSERT_OFFSET(dvk_leg_record, winner, 32, 44);
DVK_ASSERT_OFFSET(dvk_leg_record, winning_darts, 36, 48);
DVK_ASSERT_OFFSET(dvk_leg_record, check_out, 40, 52);
DVK_ASSERT_OFFSET(dvk_leg_record, leg_tons, 44, 56);
DVK_ASSERT_OFFSET(dvk_leg_record, leg_remaining, 84, 96);
DVK_ASSERT_OFFSET(dvk_leg_record, leg_fail_131, 140, 152);

DVK_ASSERT_SIZE(dvk_game_record, 684, 696);
DVK_ASSERT_OFFSET(dvk_game_record, stored, 4, 4);
DVK_ASSERT_OFFSET(dvk_game_record, start_score, 8, 8);
DVK_ASSERT_OFFSET(dvk_game_record, game_index, 12, 12);
DVK_ASSERT_OFFSET(dvk_game_record, leg_index, 16, 16);
DVK_ASSERT_OFFSET(dvk_game_record, leg_limit, 20, 20);
DVK_ASSERT_OFFSET(dvk_game_record, max_leg, 24, 24);
DVK_ASSERT_OFFSET(dvk_game_record, best_of, 28, 28);
DVK_ASSERT_OFFSET(dvk_game_record, round_limit, 32, 32);
DVK_ASSERT_OFFSET(dvk_game_record, round, 36, 36);
DVK_ASSERT_OFFSET(dvk_game_record, started, 40, 40);
DVK_ASSERT_OFFSET(dvk_game_record, players, 56, 56);
DVK_ASSERT_OFFSET(dvk_game_record, legs, 672, 672);
DVK_ASSERT_OFFSET(dvk_game_record, darts_at_double, 676, 680);

DVK_ASSERT_SIZE(dvk_history_list, 12, 24);
DVK_ASSERT_OFFSET(dvk_history_list, count, 4, 8);
DVK_ASSERT_OFFSET(dvk_history_list, current, 8, 16);

DVK_ASSERT_SIZE(dvk_plugin_info, 272, 280);
DVK_ASSERT_OFFSET(dvk_plugin_info, cmd_line, 4, 4);
DVK_ASSERT_OFFSET(dvk_plugin_info, reserved, 260, 260);
DVK_ASSERT_OFFSET(dvk_plugin_info, data, 268, 272);

DVK_ASSERT_SIZE(dvk_plugin_description, 772, 772);
DVK_ASSERT_OFFSET(dvk_plugin_description, title, 4, 4);
DVK_ASSERT_OFFSET(dvk_plugin_description, function_name, 260, 260);
DVK_ASSERT_OFFSET(dvk_plugin_description, cmd_line, 516, 516);

DVK_ASSERT_SIZE(dvk_window_rect, 16, 16);
DVK_ASSERT_SIZE(dvk_key_binding, 12, 12);
DVK_ASSERT_SIZE(dvk_arrange_entry, 60, 60);
DVK_ASSERT_SIZE(dvk_player_items, 96, 96);

DVK_ASSERT_SIZE(dvk_plugin_entry, 1064, 1088);
DVK_ASSERT_OFFSET(dvk_plugin_entry, lib_file_path, 256, 256);
DVK_ASSERT_OFFSET(dvk_plugin_entry, func_name, 512, 512);
DVK_ASSERT_OFFSET(dvk_plugin_entry, event_mask, 768, 768);
DVK_ASSERT_OFFSET(dvk_plugin_entry, library, 772, 776);
DVK_ASSERT_OFFSET(dvk_plugin_entry, function, 776, 784);
DVK_ASSERT_OFFSET(dvk_plugin_entry, info, 780, 792);
DVK_ASSERT_OFFSET(dvk_plugin_entry, list_index, 1052, 1072);
DVK_ASSERT_OFFSET(dvk_plugin_entry, modifiers, 1056, 1076);
DVK_ASSERT_OFFSET(dvk_plugin_entry, key, 1060, 1080);

DVK_ASSERT_SIZE(dvk_app_options, 5212, 5240);
DVK_ASSERT_OFFSET(dvk_app_options, show_state, 16, 16);
DVK_ASSERT_OFFSET(dvk_app_options, show_player, 20, 20);
DVK_ASSERT_OFFSET(dvk_app_options, show_left, 24, 24);
DVK_ASSERT_OFFSET(dvk_app_options, show_guide, 28, 28);
DVK_ASSERT_OFFSET(dvk_app_options, throw_count, 32, 32);
DVK_ASSERT_OFFSET(dvk_app_options, ton_circle, 36, 36);
DVK_ASSERT_OFFSET(dvk_app_options, separate, 40, 40);
DVK_ASSERT_OFFSET(dvk_app_options, scroll_bar, 44, 44);
DVK_ASSERT_OFFSET(dvk_app_options, auto_save, 48, 48);
DVK_ASSERT_OFFSET(dvk_app_options, auto_save_path, 52, 52);
DVK_ASSERT_OFFSET(dvk_app_options, check_out_mode, 308, 308);
DVK_ASSERT_OFFSET(dvk_app_options, recovery, 312, 312);
DVK_ASSERT_OFFSET(dvk_app_options, check_out_font_height, 316, 316);
DVK_ASSERT_OFFSET(dvk_app_options, default_number, 320, 320);
DVK_ASSERT_OFFSET(dvk_app_options, default_segment, 324, 324);
DVK_ASSERT_OFFSET(dvk_app_options, game, 328, 328);
DVK_ASSERT_OFFSET(dvk_app_options, schedule, 512, 512);
DVK_ASSERT_OFFSET(dvk_app_options, schedule_count, 516, 520);
DVK_ASSERT_OFFSET(dvk_app_options, name_list, 520, 524);
DVK_ASSERT_OFFSET(dvk_app_options, name_list_count, 4616, 4620);
DVK_ASSERT_OFFSET(dvk_app_options, history_window, 4620, 4624);
DVK_ASSERT_OFFSET(dvk_app_options, score_list_window, 4636, 4640);
DVK_ASSERT_OFFSET(dvk_app_options, arrange_window, 4652, 4656);
DVK_ASSERT_OFFSET(dvk_app_options, checkout_table, 4668, 4672);
DVK_ASSERT_OFFSET(dvk_app_options, checkout_count, 4672, 4680);
DVK_ASSERT_OFFSET(dvk_app_options, com_table, 4676, 4688);
DVK_ASSERT_OFFSET(dvk_app_options, com_count, 4680, 4696);
DVK_ASSERT_OFFSET(dvk_app_options, colors, 4684, 4700);
DVK_ASSERT_OFFSET(dvk_app_options, font_name, 4808, 4824);
DVK_ASSERT_OFFSET(dvk_app_options, keys, 5064, 5080);
DVK_ASSERT_OFFSET(dvk_app_options, key_count, 5068, 5088);
DVK_ASSERT_OFFSET(dvk_app_options, keys_customised, 5072, 5092);
DVK_ASSERT_OFFSET(dvk_app_options, player, 5076, 5096);
DVK_ASSERT_OFFSET(dvk_app_options, plugins, 5172, 5192);
DVK_ASSERT_OFFSET(dvk_app_options, plugin_count, 5176, 5200);
DVK_ASSERT_OFFSET(dvk_app_options, recovery_delete, 5180, 5204);
DVK_ASSERT_OFFSET(dvk_app_options, left_font_size, 5184, 5208);
DVK_ASSERT_OFFSET(dvk_app_options, com_timer, 5188, 5212);
DVK_ASSERT_OFFSET(dvk_app_options, show_name, 5192, 5216);
DVK_ASSERT_OFFSET(dvk_app_options, name_size, 5196, 5220);
DVK_ASSERT_OFFSET(dvk_app_options, full_screen, 5200, 5224);
DVK_ASSERT_OFFSET(dvk_app_options, full_screen_menu_interval, 5204, 5228);
DVK_ASSERT_OFFSET(dvk_app_options, view_separate_width, 5208, 5232);

DVK_ASSERT_SIZE(dvk_score_list_state, 1576, 1712);
DVK_ASSERT_OFFSET(dvk_score_list_state, input_player, 4, 8);
DVK_ASSERT_OFFSET(dvk_score_list_state, input_round, 8, 12);
DVK_ASSERT_OFFSET(dvk_score_list_state, shown_leg, 12, 16);
DVK_ASSERT_OFFSET(dvk_score_list_state, view_only, 16, 20);
DVK_ASSERT_OFFSET(dvk_score_list_state, input_disabled, 20, 24);
DVK_ASSERT_OFFSET(dvk_score_list_state, largest_top, 24, 28);
DVK_ASSERT_OFFSET(dvk_score_list_state, top, 28, 32);
DVK_ASSERT_OFFSET(dvk_score_list_state, rows_per_page, 32, 36);
DVK_ASSERT_OFFSET(dvk_score_list_state, p1_scored_left, 36, 40);
DVK_ASSERT_OFFSET(dvk_score_list_state, p2_scored_left, 40, 44);
DVK_ASSERT_OFFSET(dvk_score_list_state, p1_scored_right, 44, 48);
DVK_ASSERT_OFFSET(dvk_score_list_state, p2_scored_right, 48, 52);
DVK_ASSERT_OFFSET(dvk_score_list_state, p1_to_go_right, 52, 56);
DVK_ASSERT_OFFSET(dvk_score_list_state, p2_to_go_right, 56, 60);
DVK_ASSERT_OFFSET(dvk_score_list_state, row_surface, 60, 64);
DVK_ASSERT_OFFSET(dvk_score_list_state, row_bitmap, 64, 72);
DVK_ASSERT_OFFSET(dvk_score_list_state, row_old_bitmap, 68, 80);
DVK_ASSERT_OFFSET(dvk_score_list_state, template_surface, 72, 88);
DVK_ASSERT_OFFSET(dvk_score_list_state, template_bitmap, 76, 96);
DVK_ASSERT_OFFSET(dvk_score_list_state, template_old_bitmap, 80, 104);
DVK_ASSERT_OFFSET(dvk_score_list_state, template_width, 84, 112);
DVK_ASSERT_OFFSET(dvk_score_list_state, template_height, 88, 116);
DVK_ASSERT_OFFSET(dvk_score_list_state, template_rebuild, 92, 120);
DVK_ASSERT_OFFSET(dvk_score_list_state, template_first_player, 96, 124);
DVK_ASSERT_OFFSET(dvk_score_list_state, circle_surface, 100, 128);
DVK_ASSERT_OFFSET(dvk_score_list_state, circle_bitmap, 104, 136);
DVK_ASSERT_OFFSET(dvk_score_list_state, circle_old_bitmap, 108, 144);
DVK_ASSERT_OFFSET(dvk_score_list_state, header_font, 112, 152);
DVK_ASSERT_OFFSET(dvk_score_list_state, header_height, 116, 160);
DVK_ASSERT_OFFSET(dvk_score_list_state, score_font, 120, 168);
DVK_ASSERT_OFFSET(dvk_score_list_state, row_height, 124, 176);
DVK_ASSERT_OFFSET(dvk_score_list_state, template_old_font, 128, 184);
DVK_ASSERT_OFFSET(dvk_score_list_state, row_old_font, 132, 192);
DVK_ASSERT_OFFSET(dvk_score_list_state, brushes, 136, 200);
DVK_ASSERT_OFFSET(dvk_score_list_state, pens, 148, 224);
DVK_ASSERT_OFFSET(dvk_score_list_state, circle_scale, 168, 264);
DVK_ASSERT_OFFSET(dvk_score_list_state, game, 172, 272);
DVK_ASSERT_OFFSET(dvk_score_list_state, has_previous, 176, 280);
DVK_ASSERT_OFFSET(dvk_score_list_state, previous, 180, 288);
DVK_ASSERT_OFFSET(dvk_score_list_state, previous_shown_leg, 864, 984);
DVK_ASSERT_OFFSET(dvk_score_list_state, previous_input_player, 868, 988);
DVK_ASSERT_OFFSET(dvk_score_list_state, previous_input_round, 872, 992);
DVK_ASSERT_OFFSET(dvk_score_list_state, forward_pending, 876, 996);
DVK_ASSERT_OFFSET(dvk_score_list_state, forward, 880, 1000);
DVK_ASSERT_OFFSET(dvk_score_list_state, forward_shown_leg, 1564, 1696);
DVK_ASSERT_OFFSET(dvk_score_list_state, forward_input_player, 1568, 1700);
DVK_ASSERT_OFFSET(dvk_score_list_state, forward_input_round, 1572, 1704);

#ifdef __cplusplus
}
#endif

#endif /* DVK_PLUGIN_H */
