"""The Option dialog and the schedule dialogs opened from their menus and from keys bound to them,
worked with real keys: a page changed and confirmed, a key bound in the "Select key" dialog and
used, a schedule started and modified. The settings file, the recovery file and the screen show
the outcome."""

from dvk_e2e import E2ETestCase, ini_text, main

# A key table of its own: Ctrl+O opens the Option dialog, F2 "New Schedule", F3 "Modify
# Schedule"; F8 keeps its template of 100.
BOUND_KEYS = ini_text({"key": {"count": 4,
                               "action_0": 40041, "ctrl_0": 8, "key_0": 0x4F,
                               "action_1": 40040, "ctrl_1": 0, "key_1": 0x71,
                               "action_2": 40042, "ctrl_2": 0, "key_2": 0x72,
                               "action_3": 51100, "ctrl_3": 0, "key_3": 0x77}})


def ini_of(dvk):
    with open(dvk.path("dvk.ini"), encoding="utf-8") as f:
        return f.read()


class OptionDialogs(E2ETestCase):

    def open_option(self, dvk, *keys):
        dvk.key(*keys)
        dvk.wait_window("^Option$")
        dvk.wait_state(lambda s: s["modal"] == "OptionSheet", "the Option dialog to be active")

    def test_option_dialog_from_the_menu_and_from_its_key(self):
        dvk = self.start_game(BOUND_KEYS)
        dvk.menu("g", "o")
        dvk.wait_window("^Option$")
        dvk.wait_state(lambda s: s["modal"] == "OptionSheet", "the Option dialog to be active")
        dvk.key("ctrl+Tab")  # the Player page
        dvk.key("alt+n")  # "Large Fo&nt" off
        dvk.wait_state(lambda s: s["focus"] == "large_font" and s["focus.checked"] == "0",
                       "Large Font to be cleared")
        dvk.key("Return")
        dvk.wait_no_window("^Option$")
        dvk.wait_idle_main()
        self.assertIn("large_font=0", ini_of(dvk))
        saved = ini_of(dvk)

        # Escape leaves everything as it was, however much the pages showed.
        self.open_option(dvk, "ctrl+o")
        dvk.key("ctrl+Tab")
        dvk.key("alt+n")  # "Large Fo&nt" back on
        dvk.wait_state(lambda s: s["focus"] == "large_font" and s["focus.checked"] == "1",
                       "Large Font to be checked")
        dvk.key("Escape")
        dvk.wait_no_window("^Option$")
        dvk.wait_idle_main()
        self.assertEqual(ini_of(dvk), saved)
        self.enter_visit(dvk, 60)
        self.assertEqual(dvk.state()["player0.remaining"], "441")
        dvk.exit_by_menu()

    def test_a_key_bound_in_select_key_enters_its_template(self):
        dvk = self.start_game()
        self.open_option(dvk, "alt+g", "o")
        dvk.key("ctrl+Tab", "ctrl+Tab")  # the Key page
        dvk.key("alt+a")  # "&Add..."
        dvk.wait_window("^Select key$")
        dvk.key("t")  # "Template"
        dvk.key("alt+n")
        dvk.type("140")
        dvk.key("alt+k")
        dvk.key("ctrl+F5")
        dvk.key("Tab", "Return")
        dvk.wait_no_window("^Select key$")
        dvk.key("Return")
        dvk.wait_no_window("^Option$")
        dvk.wait_idle_main()
        ini = ini_of(dvk)
        self.assertIn("action_29=51140", ini)
        self.assertIn("ctrl_29=8", ini)
        self.assertIn("key_29=116", ini)
        before = dvk.state()["list.input_cell"]
        dvk.key("ctrl+F5")
        after = dvk.wait_state(lambda s: s["list.input_cell"] != before, "Ctrl+F5 to enter 140")
        self.assertEqual(after["player0.remaining"], "361")
        dvk.exit_by_menu()

    def test_schedule_started_and_modified_from_menus_and_keys(self):
        dvk = self.start_game(BOUND_KEYS)
        dvk.key("F2")
        dvk.wait_window("^Schedule$")
        dvk.key("Return")  # "Game On"
        dvk.wait_no_window("^Schedule$")
        state = dvk.wait_state(lambda s: s["title"].endswith(" - Schedule Mode") and
                               s["modal"] == "", "the schedule to start")
        self.assertEqual(state["player0.remaining"], "1001")
        self.assertEqual(state["menu.modify_schedule"], "enabled")
        self.assertEqual(dvk.recovery()["schedule_entries"], 7)

        dvk.key("F3")
        dvk.wait_window("^Modify Schedule$")
        dvk.key("Escape")
        dvk.wait_no_window("^Modify Schedule$")
        dvk.wait_idle_main()

        # The untouched first game is edited to 501 and starts again from it.
        dvk.menu("g", "m")
        dvk.wait_window("^Modify Schedule$")
        dvk.key("alt+e")
        dvk.wait_window("^Game Option$")
        dvk.key("alt+5")
        dvk.wait_state(lambda s: s["focus"] == "start_501" and s["focus.checked"] == "1",
                       "501 to be chosen")
        dvk.key("Return")
        dvk.wait_no_window("^Game Option$")
        dvk.key("Return")  # "OK"
        dvk.wait_no_window("^Modify Schedule$")
        state = dvk.wait_state(lambda s: s["modal"] == "" and s["player0.remaining"] == "501",
                               "the first game to start again from 501")
        self.assertTrue(state["title"].endswith(" - Schedule Mode"))
        self.assertEqual(dvk.recovery()["game"]["start_score"], 501)
        self.enter_visit(dvk, 100)
        self.assertEqual(dvk.state()["player0.remaining"], "401")
        dvk.exit_by_menu()


if __name__ == "__main__":
    main()
