"""A game against the computer level that plays a 60 average on a modelled board: kept by the
Game Option dialog, its visits thrown dart by dart in the COM dialog, entered in the game and
kept in dvk.tmp and dvk.ini."""

from dvk_e2e import E2ETestCase, ini_text, main

DART = r"^(0|[SDT]([1-9]|1[0-9]|20|25))$"


class ModelledOpponent(E2ETestCase):

    def test_level_sixty_opponent_throws_its_darts_in_the_com_dialog(self):
        # The stored level 1060 is "Average 60" in the Game Option dialog's level list; Enter
        # confirms it as it is.
        dvk = self.start_game(ini_text({"game": {"p1_name": "Mira Kohl", "p2_com": 1,
                                                 "p2_com_level": 1060},
                                        "com": {"com_timer": 700}}))
        self.assertEqual(dvk.state()["player1.name"], "COM (Avg 60)")

        # Far from a finish the computer throws all three darts; the dialog stays a timer
        # period after the last one, with its three boxes filled.
        for visit in range(3):
            self.enter_visit(dvk, 41)
            shown = dvk.wait_state(lambda s: s["modal"] == "ComThrowDialog"
                                   and all(s.get("modal.darts", "||").split("|")),
                                   "the computer's three darts")
            darts = shown["modal.darts"].split("|")
            for dart in darts:
                self.assertRegex(dart, DART)
            dvk.wait_state(lambda s: s["modal"] == "" and s["list.input_cell"] == f"0,{visit + 1}",
                           "the computer's visit to count")

        saved = dvk.recovery()["game"]
        self.assertEqual(saved["players"][1]["com_level"], 1060)
        com_visits = saved["legs"][0]["scores"][1][:3]
        self.assertTrue(all(0 <= v <= 180 for v in com_visits), com_visits)
        self.assertEqual(int(dvk.state()["player1.remaining"]), 501 - sum(com_visits))

        dvk.exit_by_menu()
        with open(dvk.path("dvk.ini"), encoding="utf-8") as f:
            self.assertIn("p2_com_level=1060", f.read())


if __name__ == "__main__":
    main()
