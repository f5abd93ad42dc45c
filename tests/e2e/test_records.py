"""The record dialogs on a real X server: Dart Out Shots and Game History opened from their keys
and their menus, a leg viewed in the score list dialog, Save As through the file dialog against
the auto-saved file, Clear, and the dialog rectangles kept in dvk.ini."""

import os
import re

from dvk_e2e import APP_TITLE, E2ETestCase, ini_text, main

# One-leg set games of 301, auto-saved: a game shot stores the game in the history at once.
ONE_LEG_SETS = ini_text({"game": {"start_score": 301, "leg_limit": 1, "max_leg": 1,
                                  "best_of": 0, "auto_save": 1, "p1_name": "Aiko Brandt",
                                  "p2_name": "Ravi Olsen"}})


def frame(state):
    return tuple(int(v) for v in state["dialog.frame"].split(","))


class RecordDialogs(E2ETestCase):

    def open_dialog(self, dvk, keys, title, name):
        dvk.key(*keys)
        dvk.wait_window(f"^{title}$")
        return dvk.wait_state(lambda s: s["modal"] == name, f"the {title} dialog to be active")

    def close_dialog(self, dvk, title):
        dvk.key("Escape")
        dvk.wait_no_window(f"^{title}$")
        dvk.wait_idle_main()

    def test_dart_out_shots_from_its_key_and_its_menu(self):
        dvk = self.start_game()
        self.enter_visit(dvk, 60)
        ways = self.open_dialog(dvk, ["ctrl+a"], "Dart Out Shots", "DartOutShotsDialog")
        self.assertEqual(ways["ways.score"], "501")
        self.assertEqual(ways["ways.top"], "")
        dvk.type("170")  # the score is selected, so typing replaces it
        ways = dvk.wait_state(lambda s: s.get("ways.score") == "170", "the tree for 170")
        self.assertEqual(ways["ways.top"], "T20 - T20 - D25")
        dvk.key("ctrl+a")
        dvk.type("50")
        ways = dvk.wait_state(lambda s: s.get("ways.score") == "50", "the tree for 50")
        self.assertEqual(ways["ways.top"], "D25|S25 - S17 - D4 |S18 - D16|S10 - D20")
        first_frame = frame(ways)
        self.close_dialog(dvk, "Dart Out Shots")

        ways = self.open_dialog(dvk, ["alt+s", "d"], "Dart Out Shots", "DartOutShotsDialog")
        self.assertEqual(ways["ways.score"], "501")
        self.assertEqual(frame(ways), first_frame)
        self.close_dialog(dvk, "Dart Out Shots")
        self.enter_visit(dvk, 45)

        dvk.exit_by_menu()
        with open(dvk.path("dvk.ini"), encoding="utf-8") as f:
            ini = f.read()
        arrange = re.search(r"\[arrange\]([^\[]*)", ini)
        self.assertIsNotNone(arrange, ini)
        self.assertRegex(arrange.group(1), rf"right={first_frame[2]}\b")
        self.assertRegex(arrange.group(1), rf"bottom={first_frame[3]}\b")

    def test_history_view_save_as_and_clear(self):
        dvk = self.start_game(ONE_LEG_SETS)
        self.win_leg_of_301(dvk, "Aiko Brandt")
        dvk.wait_idle_main()
        files = dvk.csv_files()
        self.assertEqual(len(files), 1, files)

        history = self.open_dialog(dvk, ["ctrl+h"], "Game History", "GameHistoryDialog")
        self.assertEqual(history["history.lines"],
                         "301|1 Sets|Aiko Brandt|Ravi Olsen;|1 Legs|6|-")
        self.assertEqual(history["history.enabled"], "view,save_as,clear,close")

        dvk.key("Down", "Return")
        dvk.wait_window("^Score List$")
        score_list = dvk.wait_state(lambda s: s["modal"] == "ScoreListDialog",
                                    "the score list dialog")
        self.assertEqual(score_list["score_list.choice"], "1 Legs")
        self.assertEqual(score_list["score_list.darts"], "6 Darts|")
        dvk.key("Up")
        dvk.wait_state(lambda s: s.get("score_list.choice") == "Player Information",
                       "the players' statistics")
        dvk.key("Escape")
        dvk.wait_no_window("^Score List$")
        dvk.wait_state(lambda s: s["modal"] == "GameHistoryDialog", "the history again")

        target = dvk.path("saved-game.csv")
        dvk.key("alt+s")
        dvk.wait_window("^Save As$")
        dvk.wait_state(lambda s: s["modal"] == "SaveFileDialog", "the save-file dialog")
        dvk.key("ctrl+a")
        dvk.type(target)
        dvk.key("Return")
        dvk.wait_no_window("^Save As$")
        dvk.wait_state(lambda s: s["modal"] == "GameHistoryDialog", "the history after saving")
        with open(target, "rb") as saved, open(files[0], "rb") as auto_saved:
            self.assertEqual(saved.read(), auto_saved.read())

        dvk.key("alt+e")
        dvk.wait_window("^" + re.escape(APP_TITLE) + "$")
        dvk.key("Return")  # Yes
        cleared = dvk.wait_state(lambda s: s.get("history.lines") == "", "the history to clear")
        self.assertEqual(cleared["history.enabled"], "close")
        self.close_dialog(dvk, "Game History")

        history = self.open_dialog(dvk, ["alt+g", "h"], "Game History", "GameHistoryDialog")
        self.assertEqual(history["history.lines"], "")
        self.close_dialog(dvk, "Game History")
        self.enter_visit(dvk, 60)
        dvk.exit_by_menu()
        self.assertTrue(os.path.exists(target))


if __name__ == "__main__":
    main()
