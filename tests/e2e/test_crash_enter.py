"""The real program killed with SIGKILL right after Enter, then started again: the visit in
question is there whole or not at all, and every visit the screen had taken is there."""

from crash_support import KilledAndRestarted
from dvk_e2e import entered_visits, main


class KilledAfterEnter(KilledAndRestarted):

    def test_killed_right_after_enter(self):
        dvk = self.start_game()
        for points in (60, 45, 100, 26):
            self.enter_visit(dvk, points)
        # Killed before the program may have taken the key: the visit is there whole or not at
        # all.
        self.type_and_enter(dvk, 81)
        dvk = self.restart(dvk)
        visits = entered_visits(dvk.recovery())
        self.assertIn(visits, ([[[60, 100], [45, 26]]], [[[60, 100, 81], [45, 26]]]))
        if visits == [[[60, 100], [45, 26]]]:
            self.enter_visit(dvk, 81)
        # Killed once the visit has moved the input cell on: it must be there.
        self.enter_visit(dvk, 41)
        dvk = self.restart(dvk)
        self.assert_restored(dvk, [[[60, 100, 81], [45, 26, 41]]], [260, 389])
        self.enter_visit(dvk, 180)
        self.assertEqual(dvk.state()["player0.remaining"], "80")


if __name__ == "__main__":
    main()
