"""The career statistics window on a real X server: two games played and archived, the window
opened by its key and its menu, a figure read, the player and a filter switched, the games
exported as CSV and compared with the visits played, and a folder of CSV files imported."""

import csv
import glob
import os
import re

from dvk_e2e import APP_TITLE, E2ETestCase, ini_text, main

PLAYERS = ("Aiko Brandt", "Ravi Olsen")
# One-leg games of 301, auto-saved, so each game shot ends a game.
ONE_LEG_GAMES = ini_text({"game": {"start_score": 301, "leg_limit": 1, "max_leg": 1,
                                   "best_of": 0, "auto_save": 1, "p1_name": PLAYERS[0],
                                   "p2_name": PLAYERS[1]}})


def figures(state):
    return dict(item.split("=", 1) for item in state["career.figures"].split("|"))


class CareerStatistics(E2ETestCase):

    def play_game(self, dvk):
        """The first thrower wins 180, 121 against 0; gives the thrower order."""
        state = dvk.state()
        first = 0 if state["player0.left.active"] == "1" else 1
        self.win_leg_of_301(dvk, PLAYERS[first])
        dvk.wait_idle_main()
        return (PLAYERS[first], PLAYERS[1 - first])

    def open_window(self, dvk, keys):
        dvk.key(*keys)
        dvk.wait_window("^Career Statistics$")
        return dvk.wait_state(lambda s: s["modal"] == "CareerStatisticsDialog"
                              and s.get("active_window") == "CareerStatisticsDialog",
                              "the career window")

    def close_window(self, dvk):
        dvk.key("Escape")
        dvk.wait_no_window("^Career Statistics$")
        dvk.wait_idle_main()

    def save_as(self, dvk, keys, target):
        dvk.key(*keys)
        dvk.wait_state(lambda s: s["modal"] == "SaveFileDialog", "the save-file dialog")
        dvk.key("ctrl+a")
        dvk.type(target)
        dvk.key("Return")
        dvk.wait_state(lambda s: s["modal"] == "CareerStatisticsDialog", "the window again")

    def test_window_figures_filters_export_and_import(self):
        dvk = self.start_game(ONE_LEG_GAMES)
        orders = [self.play_game(dvk), self.play_game(dvk)]
        winners = [order[0] for order in orders]

        shown = self.open_window(dvk, ["ctrl+r"])
        self.assertEqual(shown["career.player.items"], "|".join(PLAYERS))
        self.assertEqual(shown["career.player"], PLAYERS[0])
        aiko = figures(shown)
        self.assertEqual(aiko["Games"], "2")
        self.assertEqual(aiko["Games won"], str(winners.count(PLAYERS[0])))
        dvk.key("alt+a")
        charts = dvk.wait_state(lambda s: s.get("career.page") == "charts", "the charts")
        self.assertIn("Average per game: ", charts["career.charts"])
        self.assertIn("Average=2", charts["career.charts"])

        dvk.key("alt+p", "Down")
        ravi = dvk.wait_state(lambda s: s.get("career.player") == PLAYERS[1], "the other player")
        self.assertEqual(figures(ravi)["Games won"], str(winners.count(PLAYERS[1])))
        dvk.key("alt+h")
        ravi = dvk.wait_state(lambda s: s.get("career.page") == "head_to_head", "head to head")
        self.assertEqual(ravi["career.head_to_head"].split("|")[:2], [PLAYERS[0], "2"])

        dvk.key("alt+t", "End")  # opponent type: computers only
        computers = dvk.wait_state(lambda s: s.get("career.opponent_kind") == "Computers",
                                   "the computers filter")
        self.assertEqual(figures(computers)["Games"], "0")
        self.close_window(dvk)

        shown = self.open_window(dvk, ["alt+g", "r"])
        self.assertEqual(shown["career.player"], PLAYERS[0])
        exported = dvk.path("all-games.csv")
        dvk.key("alt+x")
        dvk.wait_state(lambda s: s.get("popup", "") != "", "the export menu")
        self.save_as(dvk, ["a"], exported)
        with open(exported, encoding="utf-8", newline="") as f:
            rows = list(csv.DictReader(f))
        played = []
        for first, second in orders:
            played += [(first, "180", "121", "3"), (second, "0", "301", "3"),
                       (first, "121", "0", "3")]
        self.assertEqual([(r["thrower"], r["score"], r["left"], r["darts"]) for r in rows],
                         played)
        self.assertEqual({(r["player1"], r["player2"]) for r in rows}, {PLAYERS})

        # The auto-saved files again under other names are new games; a stranger's file is
        # refused with its line.
        folder = dvk.path("to-import")
        os.makedirs(folder)
        for index, saved in enumerate(dvk.csv_files()):
            with open(saved, encoding="utf-8") as f:
                text = f.read()
            text = text.replace(PLAYERS[0], "Mika Sato").replace(PLAYERS[1], "Jon Rees")
            with open(os.path.join(folder, f"game{index}.csv"), "w", encoding="utf-8") as f:
                f.write(text)
        with open(os.path.join(folder, "notes.csv"), "w", encoding="utf-8") as f:
            f.write("shopping,list\n")
        dvk.key("alt+i")
        dvk.wait_state(lambda s: s.get("popup", "") != "", "the import menu")
        dvk.key("a")
        dvk.wait_window("^Import a Folder of CSV Files$")
        dvk.wait_state(lambda s: s["modal"] == "ImportFolderDialog", "the folder dialog")
        dvk.key("ctrl+a")
        dvk.type(folder)
        dvk.key("Return")
        dvk.wait_window("^" + re.escape(APP_TITLE) + "$")
        told = dvk.wait_state(lambda s: s.get("modal.text", "").startswith("Games imported"),
                              "the import's report")
        self.assertIn("Games imported: 2", told["modal.text"])
        self.assertIn("notes.csv:1:", told["modal.text"])
        dvk.key("Return")
        after = dvk.wait_state(lambda s: s["modal"] == "CareerStatisticsDialog",
                               "the window after the import")
        self.assertEqual(after["career.player.items"],
                         "|".join(sorted(PLAYERS + ("Mika Sato", "Jon Rees"))))
        self.close_window(dvk)
        dvk.exit_by_menu()
        self.assertTrue(glob.glob(dvk.path("*.csv")))


if __name__ == "__main__":
    main()
