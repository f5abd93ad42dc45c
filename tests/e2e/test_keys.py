"""Keys that nothing handles, and every menu opened and closed from the keyboard, in the states a
player reaches during a match. The program must stay alive and keep taking scores."""

from dvk_e2e import E2ETestCase, ini_text, main

UNHANDLED_KEYS = ["ctrl+k", "alt+x", "Pause", "F13"]
MENU_LETTERS = ["g", "v", "s", "h"]

# The Left function on the Left and Right arrows, the Right function on Ctrl+F5.
ARROWS_BOUND = ini_text({"key": {"count": 3,
                                 "action_0": 40050, "ctrl_0": 0, "key_0": 0x25,
                                 "action_1": 40050, "ctrl_1": 0, "key_1": 0x27,
                                 "action_2": 40051, "ctrl_2": 8, "key_2": 0x74}})

# A set game of one leg from 301, so a game shot starts the next game at once.
ONE_LEG_SETS = ini_text({"game": {"start_score": 301, "leg_limit": 1, "max_leg": 1,
                                  "best_of": 0}})


class KeysInEveryState(E2ETestCase):

    def survive_keys_and_menus(self, dvk, state_name):
        with self.subTest(state=state_name):
            dvk.wait_idle_main()
            for key in UNHANDLED_KEYS:
                dvk.key(key)
            dvk.wait_idle_main()
            for letter in MENU_LETTERS:
                dvk.key("alt+" + letter)
                opened = dvk.wait_state(lambda s: s["popup"].startswith("menu:"),
                                        f"Alt+{letter} to open its menu")
                self.assertIn("&", opened["popup"])
                dvk.key("Escape")
                dvk.wait_state(lambda s: s["popup"] == "", f"the menu of Alt+{letter} to close")
                # Escape leaves the menu bar selected; a second Escape gives the keys back.
                dvk.key("Escape")
                dvk.wait_state(lambda s: s["focus"] != "QMenuBar" and s["popup"] == "",
                               "the menu bar to give back the keys")
            dvk.key("F10")
            dvk.wait_idle_main()

    def enter_and_check(self, dvk, points):
        """A visit typed after the keys still counts."""
        before = dvk.state()
        player = int(before["list.input_cell"].split(",")[0])
        remaining = int(before[f"player{player}.remaining"])
        self.enter_visit(dvk, points)
        after = dvk.state()
        self.assertEqual(int(after[f"player{player}.remaining"]), remaining - points)

    def test_open_leg_after_clear_scores_and_after_a_dialog(self):
        dvk = self.start_game()
        self.survive_keys_and_menus(dvk, "fresh leg")
        self.enter_and_check(dvk, 60)
        self.survive_keys_and_menus(dvk, "leg open")

        dvk.menu("s", "c")  # Score > Clear Scores
        dvk.wait_window("^dvk Ver 0.2.6$")
        dvk.key("Return")
        dvk.wait_state(lambda s: s["player0.remaining"] == "501" and s["modal"] == "",
                       "the scores to be cleared")
        self.survive_keys_and_menus(dvk, "after Clear Scores")
        self.enter_and_check(dvk, 45)

        dvk.menu("h", "a")  # Help > About
        dvk.wait_window("^About$")
        dvk.key("Return")
        dvk.wait_no_window("^About$")
        self.survive_keys_and_menus(dvk, "after a dialog closed")
        self.enter_and_check(dvk, 26)
        dvk.exit_by_menu()

    def test_after_a_game_shot_started_the_next_game(self):
        dvk = self.start_game(ONE_LEG_SETS)
        self.win_leg_of_301(dvk, "Player 1")
        dvk.wait_state(lambda s: s["title"].startswith("dvk - 2 Sets") and s["modal"] == "",
                       "the second game to start")
        self.survive_keys_and_menus(dvk, "next game")
        self.enter_and_check(dvk, 100)
        dvk.exit_by_menu()

    def test_input_cell_moved_and_scrolled_away(self):
        dvk = self.start_game(ini_text({"game": {"round_limit": 1, "round": 80}}))
        for points in (60, 41, 45):
            self.enter_visit(dvk, points)
        dvk.key("Up")
        dvk.wait_state(lambda s: s["list.input_cell"] == "1,0", "the cell to move up")
        self.survive_keys_and_menus(dvk, "cell moved")
        dvk.key("Escape")
        dvk.wait_state(lambda s: s["list.input_cell"] == "1,1", "Escape to return")

        # Wheel turns over the list scroll the cell out of sight without moving it.
        dvk.display.xdotool("mousemove", "640", "500")
        for _ in range(12):
            dvk.display.xdotool("click", "5")
        dvk.wait_state(lambda s: s["input.visible"] == "0", "the cell to scroll away")
        for key in UNHANDLED_KEYS:
            dvk.key(key)
        dvk.wait_idle_main()
        self.survive_keys_and_menus(dvk, "cell scrolled away")
        self.enter_and_check(dvk, 85)
        dvk.exit_by_menu()

    def test_full_screen_and_an_inactive_window(self):
        dvk = self.start_game()
        dvk.menu("v", "f")  # View > Full Screen
        dvk.wait_state(lambda s: s["menu.full_screen"].endswith("checked") and
                       s["menu_bar.visible"] == "0", "full screen with the menu bar hidden")
        for key in UNHANDLED_KEYS:
            dvk.key(key)
        for letter in MENU_LETTERS:
            dvk.key("alt+" + letter)
            dvk.wait_state(lambda s: s["popup"].startswith("menu:"), f"Alt+{letter} in full screen")
            dvk.key("Escape", "Escape")
            dvk.wait_state(lambda s: s["popup"] == "" and s["focus"] != "QMenuBar",
                           "the menu to close in full screen")
        self.enter_and_check(dvk, 60)
        dvk.exit_by_menu()

    def test_keys_reaching_an_inactive_window(self):
        dvk = self.launch(display=self.bare_display())
        dvk.wait_window("^Game Option$")
        dvk.key("Return")
        dvk.wait_state(lambda s: s["modal"] == "" and s["active_window"] == "",
                       "the dialog to close, leaving the window inactive")
        for key in UNHANDLED_KEYS + ["alt+g", "alt+s", "F10"]:
            dvk.key(key)
        dvk.type("60")
        dvk.key("Return")
        dvk.wait_state(lambda s: s["player0.remaining"] == "441", "a visit typed into it")

    def test_arrow_functions_on_the_arrow_keys(self):
        """The arrow presses of the Left and Right functions are the keys themselves: they are
        not looked up in the key table again, whatever the arrows are bound to."""
        dvk = self.start_game(ARROWS_BOUND)
        dvk.type("45")
        dvk.key("Left", "Right")
        dvk.type("1")
        dvk.wait_state(lambda s: s["input.text"] == "145", "the caret to move left twice")
        dvk.key("ctrl+F5", "BackSpace")
        dvk.wait_state(lambda s: s["input.text"] == "15", "Ctrl+F5 to move the caret right")
        dvk.key("Return")
        dvk.wait_state(lambda s: s["player0.remaining"] == "486", "the visit of 15")
        dvk.exit_by_menu()


if __name__ == "__main__":
    main()
