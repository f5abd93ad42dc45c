"""A match killed with SIGKILL continues at the next start with the same screen."""

from dvk_e2e import E2ETestCase, ini_text, main

# The copy that "Previous Leg" goes back to lives only in memory, so a restarted program
# cannot offer it; everything else on the screen must come back as it was.
NOT_RESTORED = {"menu.previous_leg"}


def set_game_ini(player_information):
    return ini_text({
        "view": {"player": 1 if player_information else 0},
        "player": {"total_sets": 1, "total_legs": 1},
        "game": {"start_score": 301, "leg_limit": 1, "max_leg": 3, "best_of": 1},
    })


class KilledMidLeg(E2ETestCase):

    def play_into_second_leg(self, dvk):
        for points in (180, 0):
            self.enter_visit(dvk, points)
        dvk.type("121")
        dvk.key("Return")
        dvk.wait_window("^Check-Out$")
        dvk.key("Return")
        dvk.wait_window("^Player 1$")
        dvk.key("Return")
        dvk.wait_state(lambda s: "(2 Legs / Best of 3 Legs)" in s["title"] and s["modal"] == "",
                       "the second leg")
        for points in (60, 100, 45):
            self.enter_visit(dvk, points)

    def kill_and_compare(self, player_information):
        dvk = self.start_game(set_game_ini(player_information))
        self.play_into_second_leg(dvk)
        before = dvk.state()
        saved = dvk.recovery()
        dvk.kill9()

        again = self.launch(folder=dvk.folder)
        again.wait_idle_main()
        after = again.state()
        differing = {k: (before.get(k), after.get(k))
                     for k in set(before) | set(after)
                     if k not in NOT_RESTORED and before.get(k) != after.get(k)}
        self.assertEqual(differing, {})
        self.assertEqual(again.recovery(), saved)
        game = saved["game"]
        self.assertEqual((game["leg_index"], game["players"][0]["legs_won"]), (1, 1))
        # Player 2 throws first in the second leg.
        self.assertEqual(game["legs"][1]["scores"], [[100, 0], [60, 45]])
        return after

    def test_set_game_with_player_information(self):
        after = self.kill_and_compare(player_information=True)
        self.assertIn("Sets: |0", after["player0.info"])
        self.assertEqual(after["title"], "dvk - 1 Sets - (2 Legs / Best of 3 Legs)")

    def test_set_game_with_the_name_bar_showing_the_sets(self):
        after = self.kill_and_compare(player_information=False)
        self.assertEqual(after["name.score"], "(0) 1 - 0 (0)")
        self.assertEqual(after["player0.info.visible"], "0")


if __name__ == "__main__":
    main()
