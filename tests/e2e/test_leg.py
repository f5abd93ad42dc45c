"""A leg typed to its game shot with real keys: the check-out question answered by keyboard, the
auto-saved CSV file, the recovery file of the next leg and the settings written at exit."""

import os

from dvk_e2e import E2ETestCase, ini_text, main


class LegToGameShot(E2ETestCase):

    def test_leg_typed_to_a_game_shot(self):
        dvk = self.start_game(ini_text({"game": {"auto_save": 1, "p1_name": "Aiko Brandt",
                                                 "p2_name": "Ravi Olsen"}}))
        for points in (180, 100, 180, 100, 41):
            self.enter_visit(dvk, points)
        self.assertEqual(dvk.state()["player0.remaining"], "100")
        self.enter_visit(dvk, 60)
        self.assertEqual(dvk.state()["player1.remaining"], "241")
        dvk.type("100")
        dvk.key("Return")
        dvk.wait_window("^Check-Out$")
        dvk.key("2")  # "&2nd dart": 100 cannot be scored with one dart
        dvk.wait_window("^Aiko Brandt$")  # "Game shot 2 dart. (11 darts)"
        dvk.key("Return")
        after = dvk.wait_state(lambda s: s["title"] == "dvk - 2 Legs" and s["modal"] == "",
                               "the second leg")
        self.assertEqual(after["player0.remaining"], "501")
        self.assertIn("Legs: |1", after["player0.info"])

        saved = dvk.recovery()["game"]
        self.assertEqual(saved["leg_index"], 1)
        first = saved["legs"][0]
        self.assertEqual((first["finished"], first["winner"], first["winning_darts"]), (1, 0, 11))
        self.assertEqual(first["scores"][0], [180, 180, 41, -2])
        self.assertEqual(first["check_out"], 100)

        files = dvk.csv_files()
        self.assertEqual(len(files), 1, files)
        self.assertRegex(os.path.basename(files[0]), r"^501_\d{8}_\d{6}\.csv$")
        with open(files[0], encoding="utf-8") as f:
            text = f.read()
        self.assertIn("Aiko Brandt", text)
        self.assertIn("180", text)

        dvk.exit_by_menu()
        with open(dvk.path("dvk.ini"), encoding="utf-8") as f:
            ini = f.read()
        self.assertIn("auto_save=1", ini)
        self.assertIn('p1_name="Aiko Brandt"', ini)

    def test_cancelled_check_out_keeps_the_score(self):
        dvk = self.start_game(ini_text({"game": {"start_score": 40}}))
        dvk.type("40")
        dvk.key("Return")
        dvk.wait_window("^Check-Out$")
        dvk.key("Escape")
        dvk.wait_no_window("^Check-Out$")
        state = dvk.wait_idle_main()
        self.assertEqual(state["player0.remaining"], "40")
        self.assertEqual(state["list.input_cell"], "0,0")
        dvk.key("BackSpace", "BackSpace")
        self.enter_visit(dvk, 20)
        self.assertEqual(dvk.state()["player0.remaining"], "20")
        dvk.exit_by_menu()


if __name__ == "__main__":
    main()
