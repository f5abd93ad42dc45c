"""A program killed right after a change that ends or reshapes a game comes back with the game
that was on the screen: the finished last game of a schedule (won by a check-out or by the
middle for diddle), and a handicap game whose scores were exchanged."""

import re

from dvk_e2e import APP_TITLE, ini_text, main
from crash_support import KilledAndRestarted

# The copy that "Previous Leg" goes back to lives only in memory.
NOT_RESTORED = {"menu.previous_leg"}

NEW_SCHEDULE_ON_F2 = {"count": 1, "action_0": 40040, "ctrl_0": 0, "key_0": 0x71}


def one_game_schedule(round_limit, rounds):
    return ini_text({
        "key": NEW_SCHEDULE_ON_F2,
        "schedule": {"count": 1, "start_score_0": 301, "round_limit_0": round_limit,
                     "round_0": rounds, "max_leg_0": 1, "best_of_0": 1, "change_first_0": 0,
                     "p1_start_score_0": 0, "p2_start_score_0": 0},
    })


class RestartShowsTheGame(KilledAndRestarted):

    def start_schedule(self, ini):
        dvk = self.start_game(ini)
        dvk.key("F2")
        dvk.wait_window("^Schedule$")
        dvk.key("Return")  # "Game On"
        dvk.wait_no_window("^Schedule$")
        dvk.wait_state(lambda s: s["title"].endswith(" - Schedule Mode") and s["modal"] == "",
                       "the schedule to start")
        return dvk

    def confirm_final_result(self, dvk):
        dvk.wait_window("^" + re.escape(APP_TITLE) + "$")  # "1 - 0: Winner is Player 1."
        dvk.key("Return")
        dvk.wait_no_window("^" + re.escape(APP_TITLE) + "$")
        return dvk.wait_idle_main()

    def assert_same_after_kill(self, dvk):
        before = dvk.state()
        saved = dvk.recovery()
        again = self.restart(dvk)
        after = again.state()
        differing = {k: (before.get(k), after.get(k))
                     for k in set(before) | set(after)
                     if k not in NOT_RESTORED and before.get(k) != after.get(k)}
        self.assertEqual(differing, {})
        self.assertEqual(again.recovery(), saved)
        return again, saved, after

    def test_last_game_of_a_schedule_won_by_a_check_out(self):
        dvk = self.start_schedule(one_game_schedule(0, 15))
        self.win_leg_of_301(dvk, "Player 1")
        self.confirm_final_result(dvk)
        again, saved, after = self.assert_same_after_kill(dvk)
        self.assertEqual(saved["game"]["players"][0]["sets_won"], 1)
        self.assertEqual(after["player0.remaining"], "0")
        # The finished game takes no more visits.
        again.type("60")
        again.key("Return")
        self.assertEqual(again.recovery(), saved)

    def test_last_game_of_a_schedule_won_by_the_middle_for_diddle(self):
        dvk = self.start_schedule(one_game_schedule(1, 1))
        self.enter_visit(dvk, 60)
        self.type_and_enter(dvk, 45)
        dvk.wait_window("^Middle for Diddle$")
        dvk.key("1")
        dvk.wait_window("^Player 1$")  # "Check in 4 darts."
        dvk.key("Return")
        self.confirm_final_result(dvk)
        _, saved, _ = self.assert_same_after_kill(dvk)
        self.assertEqual(saved["game"]["players"][0]["sets_won"], 1)
        self.assertEqual(saved["game"]["legs"][0]["winning_darts"], 4)

    def test_exchanged_scores_of_a_handicap_game(self):
        dvk = self.start_game(ini_text({"game": {"start_score": 501, "p1_start_score": 301,
                                                 "p2_start_score": 0}}))
        for points in (100, 140, 100, 140):
            self.enter_visit(dvk, points)
        dvk.menu("s", "x")  # Score > Exchange Scores
        dvk.wait_window("^" + re.escape(APP_TITLE) + "$")
        dvk.key("Return")  # Yes
        dvk.wait_no_window("^" + re.escape(APP_TITLE) + "$")
        dvk.wait_idle_main()
        _, saved, after = self.assert_same_after_kill(dvk)
        # Player 1 keeps his 301 and now has the visits of 140: the sheet and the scores left
        # agree before and after the restart.
        self.assertEqual([after["player0.remaining"], after["player1.remaining"]], ["21", "301"])
        self.assertEqual([p["start_score"] for p in saved["game"]["players"]], [301, 501])


if __name__ == "__main__":
    main()
