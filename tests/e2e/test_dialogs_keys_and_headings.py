"""Two dialogs driven with real keys: the Option dialog turns its pages with Ctrl+Tab,
Ctrl+Shift+Tab, Ctrl+PgDn and Ctrl+PgUp while a drop-down list has the focus, and the score
list dialog marks the first thrower of each leg picked in it."""

from dvk_e2e import E2ETestCase, ini_text, main

# Best of three legs of 301, so that a game in progress with two legs shows in the history.
BEST_OF_THREE = ini_text({"game": {"start_score": 301, "leg_limit": 0, "max_leg": 3,
                                   "best_of": 1, "p1_name": "Aiko Brandt",
                                   "p2_name": "Ravi Olsen"}})

PLAYER_PAGE_BOXES = {"large_font", "avg_per_round", "name", "first"}


class DialogKeysAndHeadings(E2ETestCase):

    def test_page_keys_turn_the_option_pages_from_a_drop_down_list(self):
        dvk = self.start_game()
        dvk.menu("g", "o")
        dvk.wait_window("^Option$")
        dvk.wait_state(lambda s: s["modal"] == "OptionSheet", "the Option dialog to be active")
        for focus_key, list_name, forward, back in (("alt+i", "item", "ctrl+Tab", "ctrl+shift+Tab"),
                                                    ("alt+f", "face", "ctrl+Next", "ctrl+Prior")):
            dvk.key(focus_key)
            dvk.wait_state(lambda s: s["focus"] == list_name, f"the {list_name} list to have the focus")
            dvk.key(forward)
            state = dvk.wait_state(lambda s: s["focus"] in PLAYER_PAGE_BOXES,
                                   f"{forward} to turn to the Player page")
            self.assertEqual(state["modal"], "OptionSheet")
            dvk.key(back)
            dvk.wait_state(lambda s: s["focus"] not in PLAYER_PAGE_BOXES,
                           f"{back} to turn back to the View page")
        # Back on the View page, the list still has its focus key: "&Font" reaches it.
        dvk.key("alt+f")
        dvk.wait_state(lambda s: s["focus"] == "face", "the face list on the View page")
        dvk.key("Escape")
        dvk.wait_no_window("^Option$")
        dvk.wait_idle_main()
        dvk.exit_by_menu()

    def first_thrower(self, dvk):
        return int(dvk.state()["list.input_cell"].split(",")[0])

    def test_score_list_heading_follows_the_leg_picked(self):
        dvk = self.start_game(BEST_OF_THREE)
        names = ["Aiko Brandt", "Ravi Olsen"]
        firsts = []
        for _ in range(2):
            first = self.first_thrower(dvk)
            firsts.append(first)
            self.win_leg_of_301(dvk, names[first])
            dvk.wait_idle_main()
        self.assertNotEqual(firsts[0], firsts[1])

        dvk.key("ctrl+h")
        dvk.wait_window("^Game History$")
        dvk.wait_state(lambda s: s["modal"] == "GameHistoryDialog", "the history dialog")
        dvk.key("Down", "Return")
        dvk.wait_window("^Score List$")
        state = dvk.wait_state(lambda s: s["modal"] == "ScoreListDialog" and
                               s.get("score_list.choice") == "1 Legs", "leg 1 in the score list")
        state = dvk.wait_state(lambda s: s.get("score_list.heading_first") == str(firsts[0]),
                               "the heading to mark the first thrower of leg 1")
        dvk.key("Down")
        dvk.wait_state(lambda s: s.get("score_list.choice") == "2 Legs", "leg 2 to be picked")
        dvk.wait_state(lambda s: s.get("score_list.heading_first") == str(firsts[1]),
                       "the heading to mark the first thrower of leg 2")
        dvk.key("Up")
        dvk.wait_state(lambda s: s.get("score_list.heading_first") == str(firsts[0]),
                       "the heading to mark the first thrower of leg 1 again")
        dvk.key("Escape")
        dvk.wait_no_window("^Score List$")
        dvk.key("Escape")
        dvk.wait_no_window("^Game History$")
        dvk.wait_idle_main()
        dvk.exit_by_menu()


if __name__ == "__main__":
    main()
