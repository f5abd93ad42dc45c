"""The real program killed with SIGKILL right after Enter and during every dialog that ends a
visit or a leg, then started again: the game it continues must be the one entered, with the visit
in question either fully entered or not at all."""

from dvk_e2e import E2ETestCase, ini_text, main


def entered_visits(saved):
    """Per leg, each player's visits that count, as a restarted program shows them."""
    legs = []
    for leg in saved["game"]["legs"]:
        first, open_round, next_player = leg["first_player"], leg["round"], leg["next_player"]
        visits = [[], []]
        for player in (0, 1):
            for index, score in enumerate(leg["scores"][player]):
                if index < open_round or (index == open_round and player == first
                                          and next_player != first):
                    visits[player].append(score)
        legs.append(visits)
    return legs


class KilledAndRestarted(E2ETestCase):

    def restart(self, dvk):
        dvk.kill9()
        again = self.launch(folder=dvk.folder)
        again.wait_idle_main()
        return again

    def type_and_enter(self, dvk, points):
        dvk.type(str(points))
        dvk.key("Return")

    def assert_restored(self, dvk, visits, remaining):
        self.assertEqual(entered_visits(dvk.recovery()), visits)
        state = dvk.state()
        self.assertEqual([int(state["player0.remaining"]), int(state["player1.remaining"])],
                         remaining)

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
        self.type_and_enter(dvk, 40)
        dvk.wait_window("^Check-Out$")
        dvk.key("1")
        dvk.wait_window("^Player 1$")
        dvk = self.restart(dvk)
        self.assert_restored(dvk, [[[61], [0]]], [40, 101])

        self.type_and_enter(dvk, 40)
        dvk.wait_window("^Check-Out$")
        dvk.key("1")
        dvk.wait_window("^Player 1$")
        dvk.key("Return")
        dvk.wait_state(lambda s: s["title"] == "dvk - 2 Legs" and s["modal"] == "",
                       "the second leg")
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

        self.type_and_enter(dvk, 45)
        dvk.wait_window("^Middle for Diddle$")
        dvk.key("1")
        dvk.wait_window("^Player 1$")  # "Check in 4 darts."
        dvk = self.restart(dvk)
        self.assert_restored(dvk, [[[60], []]], [441, 501])

        self.type_and_enter(dvk, 45)
        dvk.wait_window("^Middle for Diddle$")
        dvk.key("1")
        dvk.wait_window("^Player 1$")
        dvk.key("Return")
        dvk.wait_state(lambda s: s["title"] == "dvk - 2 Legs" and s["modal"] == "",
                       "the second leg")
        dvk = self.restart(dvk)
        saved = dvk.recovery()
        self.assertEqual(entered_visits(saved), [[[60], [45]], [[], []]])
        self.assertEqual((saved["game"]["legs"][0]["winner"], saved["game"]["legs"][0]["finished"]),
                         (0, 1))


if __name__ == "__main__":
    main()
