"""The real program killed with SIGKILL during every dialog that ends a visit or a leg (darts at a
double, darts of the check-out, game shot, middle for diddle, check in), then started again: the
visit that opened the dialog is not entered, and once the dialog is answered it is."""

from crash_support import KilledAndRestarted
from dvk_e2e import entered_visits, ini_text, main


class KilledInLegEndDialogs(KilledAndRestarted):

    def test_killed_in_the_check_out_dialogs(self):
        dvk = self.start_game(ini_text({"game": {"start_score": 101, "check_out_mode": 1}}))
        # "How many darts did you throw to double?" after a visit that left a double.
        self.type_and_enter(dvk, 61)
        dvk.wait_window("^Check-Out Mode$")
        dvk = self.restart(dvk)
        self.assert_restored(dvk, [[[], []]], [101, 101])

        self.type_and_enter(dvk, 61)
        dvk.wait_window("^Check-Out Mode$")
        dvk.key("Return")
        dvk.wait_idle_main()
        self.type_and_enter(dvk, 0)
        dvk.wait_window("^Check-Out Mode$")
        dvk.key("Return")
        dvk.wait_state(lambda s: s["list.input_cell"] == "0,1" and s["modal"] == "",
                       "player 1 to throw again")
        # "How many darts did you use for the check?"
        self.type_and_enter(dvk, 40)
        dvk.wait_window("^Check-Out$")
        dvk = self.restart(dvk)
        self.assert_restored(dvk, [[[61], [0]]], [40, 101])

        # "Game shot 1 dart." waiting for OK.
        self.check_out_one_dart(dvk, 40, confirm=False)
        dvk = self.restart(dvk)
        self.assert_restored(dvk, [[[61], [0]]], [40, 101])

        self.check_out_one_dart(dvk, 40, confirm=True)
        dvk = self.restart(dvk)
        self.assert_restored(dvk, [[[61, -1], [0]], [[], []]], [101, 101])
        self.assertEqual(dvk.state()["title"], "dvk - 2 Legs")

    def test_killed_in_the_middle_for_diddle_dialogs(self):
        dvk = self.start_game(ini_text({"game": {"round_limit": 1, "round": 1}}))
        self.enter_visit(dvk, 60)
        # The round limit is reached with the second player's visit.
        self.type_and_enter(dvk, 45)
        dvk.wait_window("^Middle for Diddle$")
        dvk = self.restart(dvk)
        self.assert_restored(dvk, [[[60], []]], [441, 501])

        self.win_middle_for_diddle(dvk, 45, confirm=False)
        dvk = self.restart(dvk)
        self.assert_restored(dvk, [[[60], []]], [441, 501])

        self.win_middle_for_diddle(dvk, 45, confirm=True)
        dvk = self.restart(dvk)
        saved = dvk.recovery()
        self.assertEqual(entered_visits(saved), [[[60], [45]], [[], []]])
        self.assertEqual((saved["game"]["legs"][0]["winner"], saved["game"]["legs"][0]["finished"]),
                         (0, 1))


if __name__ == "__main__":
    main()
