"""Two games played with real keys reach the match archive as their legs end; dvk-stats reads
the players' career figures from the archive file the program wrote beside itself."""

import json
import os
import subprocess

from dvk_e2e import DVK, E2ETestCase, ini_text, main

STATS = os.path.join(os.path.dirname(DVK or "."), "dvk-stats")


class ArchiveDuringPlay(E2ETestCase):

    def career(self, archive, player):
        result = subprocess.run([STATS, archive, "--player", player, "--json"],
                                capture_output=True, text=True, timeout=30, check=True)
        return json.loads(result.stdout)

    def test_two_games_reach_the_archive_as_they_are_played(self):
        dvk = self.start_game(ini_text({"game": {
            "start_score": 301, "leg_limit": 1, "max_leg": 1, "best_of": 1,
            "p1_name": "Mirela Vance", "p2_name": "Tomas Ekberg"}}))
        archive = dvk.path("dvk-archive.sqlite")

        # Game 1: Mirela throws first and checks out 121 with her second visit.
        self.win_leg_of_301(dvk, "Mirela Vance")
        dvk.wait_state(lambda s: s["title"].startswith("dvk - 2 Sets") and s["modal"] == "",
                       "the second game")
        # Written when the leg ended, while the program goes on.
        first = self.career(archive, "Mirela Vance")
        self.assertEqual((first["games"], first["legs"], first["legs_won"]), (1, 1, 1))

        # Game 2: Tomas checks out 121 in his second visit.
        for points in (0, 180, 0):
            self.enter_visit(dvk, points)
        dvk.type("121")
        dvk.key("Return")
        dvk.wait_window("^Check-Out$")
        dvk.key("Return")
        dvk.wait_window("^Tomas Ekberg$")
        dvk.key("Return")
        dvk.wait_state(lambda s: s["title"].startswith("dvk - 3 Sets") and s["modal"] == "",
                       "the third game")
        dvk.exit_by_menu()

        mirela = self.career(archive, "Mirela Vance")
        self.assertEqual((mirela["games"], mirela["games_won"]), (2, 1))
        self.assertEqual((mirela["legs"], mirela["legs_won"]), (2, 1))
        self.assertEqual(mirela["average"], 75.25)  # 301 points in 12 darts
        self.assertEqual(mirela["high_out"], 121)
        self.assertEqual(mirela["best_leg"], 6)
        self.assertEqual(mirela["count_180"], 1)
        self.assertEqual(mirela["keep_won"], 1)
        self.assertEqual(mirela["keep_all"], 2)
        self.assertEqual(mirela["head_to_head"][0]["opponent"], "Tomas Ekberg")
        tomas = self.career(archive, "Tomas Ekberg")
        self.assertEqual((tomas["games"], tomas["games_won"], tomas["legs_won"]), (2, 1, 1))
        self.assertEqual(tomas["average"], 100.33)  # 301 points in 9 darts
        self.assertEqual(tomas["break_won"], 1)


if __name__ == "__main__":
    main()
