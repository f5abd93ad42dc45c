"""What the crash tests share: restarting a killed program on its folder and comparing the game
it continues with the visits entered."""

from dvk_e2e import E2ETestCase, entered_visits


class KilledAndRestarted(E2ETestCase):
    """Kills dvk with SIGKILL and starts it again on the same folder."""

    def restart(self, dvk):
        dvk.kill9()
        again = self.launch(folder=dvk.folder)
        again.wait_idle_main()
        return again

    def type_and_enter(self, dvk, points):
        dvk.type(str(points))
        dvk.key("Return")

    def check_out_one_dart(self, dvk, points, confirm):
        """Enters a check-out with one dart up to the game-shot box, and confirms it if asked."""
        self.type_and_enter(dvk, points)
        dvk.wait_window("^Check-Out$")
        dvk.key("1")
        dvk.wait_window("^Player 1$")
        if confirm:
            dvk.key("Return")
            dvk.wait_state(lambda s: s["title"] == "dvk - 2 Legs" and s["modal"] == "",
                           "the second leg")

    def win_middle_for_diddle(self, dvk, points, confirm):
        """Enters the visit that reaches the round limit, picks player 1 and confirms if asked."""
        self.type_and_enter(dvk, points)
        dvk.wait_window("^Middle for Diddle$")
        dvk.key("1")
        dvk.wait_window("^Player 1$")  # "Check in 4 darts."
        if confirm:
            dvk.key("Return")
            dvk.wait_state(lambda s: s["title"] == "dvk - 2 Legs" and s["modal"] == "",
                           "the second leg")

    def assert_restored(self, dvk, visits, remaining):
        self.assertEqual(entered_visits(dvk.recovery()), visits)
        state = dvk.state()
        self.assertEqual([int(state["player0.remaining"]), int(state["player1.remaining"])],
                         remaining)
