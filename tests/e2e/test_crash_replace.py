"""The real program killed with SIGKILL while it replaces its recovery file: stopped just before
the rename that puts the new file in place, with the new bytes written to a temporary file. The
next start removes that temporary file and continues the game as the old file holds it."""

import glob
import os

from dvk_e2e import E2ETestCase, entered_visits, ini_text, main

STOP_LIBRARY = os.environ.get("DVK_STOP_AT_RENAME", "")


def stop_at_replace(number):
    """Environment that stops dvk before its `number`-th replace of dvk.tmp."""
    asan = os.environ.get("ASAN_OPTIONS", "")
    return {
        "LD_PRELOAD": STOP_LIBRARY,
        "DVK_E2E_STOP_RENAME": "dvk.tmp.tmp-",
        "DVK_E2E_STOP_RENAME_AT": str(number),
        # The stopping library is loaded ahead of the sanitizers' runtime.
        "ASAN_OPTIONS": (asan + ":" if asan else "") + "verify_asan_link_order=0",
    }


class KilledDuringAReplace(E2ETestCase):

    def setUp(self):
        super().setUp()
        if not STOP_LIBRARY:
            self.fail("DVK_STOP_AT_RENAME must name the library that stops dvk")

    def start_stopping(self, number, ini):
        """A fresh start whose `number`-th replace of dvk.tmp stops the program. The first two
        are the match of the fresh start and the one the game option dialog starts."""
        return self.start_game(ini, env=stop_at_replace(number))

    def kill_stopped_and_restart(self, dvk):
        dvk.wait_stopped()
        stale = glob.glob(dvk.path("dvk.tmp.tmp-*"))
        self.assertEqual(len(stale), 1, stale)
        kept = dvk.recovery()
        dvk.kill9()
        self.assertTrue(os.path.exists(stale[0]))
        again = self.launch(folder=dvk.folder)
        again.wait_idle_main()
        self.assertEqual(glob.glob(dvk.path("dvk.tmp.tmp-*")), [])
        self.assertEqual(again.recovery(), kept)
        again.assert_clean_output()
        return again

    def test_killed_while_the_next_leg_replaces_the_file(self):
        dvk = self.start_stopping(3, ini_text({"game": {"start_score": 101}}))
        dvk.type("101")
        dvk.key("Return")
        dvk.wait_window("^Check-Out$")
        dvk.key("2")
        dvk.wait_window("^Player 1$")
        dvk.key("Return")
        dvk = self.kill_stopped_and_restart(dvk)
        # The leg was not won as far as the file knows: player 1 is still to throw from 101.
        self.assertEqual(entered_visits(dvk.recovery()), [[[], []]])
        state = dvk.state()
        self.assertEqual((state["title"], state["player0.remaining"], state["list.input_cell"]),
                         ("dvk - 1 Legs", "101", "0,0"))
        self.enter_visit(dvk, 60)
        self.assertEqual(dvk.state()["player0.remaining"], "41")

    def test_killed_while_a_corrected_visit_replaces_the_file(self):
        dvk = self.start_stopping(3, None)
        for points in (60, 45):
            self.enter_visit(dvk, points)
        dvk.key("Up")
        dvk.wait_state(lambda s: s["list.input_cell"] == "0,0", "player 1's first visit")
        dvk.type("100")
        dvk.key("Return")
        dvk = self.kill_stopped_and_restart(dvk)
        self.assertEqual(entered_visits(dvk.recovery()), [[[60], [45]]])
        self.assertEqual(dvk.state()["player0.remaining"], "441")


if __name__ == "__main__":
    main()
