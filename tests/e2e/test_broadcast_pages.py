"""The Broadcast room's pages in a real browser against the real dvk: the scoreboard follows
visits typed in the program, the keypad enters visits and answers the program's dialogs, and a
page left open through a kill -9 and a restart shows the recovered game."""

import re

from broadcast_support import Browser, WebSocket, broadcast_ini, free_port, wait_server
from dvk_e2e import E2ETestCase, main, wait_until


class BroadcastPages(E2ETestCase):

    def start_with_server(self, extra=None):
        self.port = free_port()
        dvk = self.start_game(broadcast_ini(self.port, extra))
        wait_server(self.port)
        return dvk

    def browser(self, path, **options):
        browser = Browser(f"http://127.0.0.1:{self.port}{path}", **options)
        self.addCleanup(browser.close)
        return browser

    def pair(self, remote, code, left):
        remote.wait_text("pair-title", "Pair this keypad")
        remote.evaluate(f"document.getElementById('pair-code').value='{code}'")
        remote.click("#pair-button")
        wait_until(lambda: remote.evaluate("!document.getElementById('pad').hidden"),
                   "the keypad to pair")
        remote.wait_text("left", left)

    def pairing_code(self, dvk):
        """The code shown in the Broadcast dialog, opened with its key (Ctrl+B)."""
        dvk.key("ctrl+b")
        dvk.wait_window("^Broadcast$")
        state = dvk.wait_state(lambda s: s.get("modal") == "broadcast_dialog",
                               "the Broadcast dialog")
        code = state.get("broadcast.code", "")
        dvk.key("Escape")
        dvk.wait_no_window("^Broadcast$")
        dvk.wait_idle_main()
        match = re.search(r"(\d{6})", code)
        self.assertIsNotNone(match, f"no pairing code in {state}")
        return match.group(1)

    def test_a_visit_typed_in_the_program_reaches_the_scoreboard_and_the_overlay(self):
        dvk = self.start_with_server()
        board = self.browser("/")
        board.wait_text("p0-name", "Player 1")
        board.wait_text("p0-left", "501")
        overlay = self.browser("/overlay")
        overlay.wait_text("p1-left", "501")
        self.assertEqual(overlay.evaluate("getComputedStyle(document.body).backgroundColor"),
                         "rgba(0, 0, 0, 0)", "the overlay is transparent")

        self.enter_visit(dvk, 140)
        board.wait_text("p0-left", "361")
        board.wait_text("p0-last", "140")
        board.wait_text("p0-avg", "140.00")
        self.assertTrue(board.evaluate("document.getElementById('p1').classList.contains('throwing')"))
        overlay.wait_text("p0-left", "361")
        dvk.assert_clean_output()

    def test_the_keypad_enters_visits_and_answers_the_check_out_questions(self):
        dvk = self.start_with_server({"game": {"start_score": 101}})
        code = self.pairing_code(dvk)
        remote = self.browser("/remote")
        remote.emulate_phone()
        self.pair(remote, code, "101")

        # 179 is refused with the input cell's rule; the game stays as it was.
        before = dvk.recovery()
        for key in "179":
            remote.click(f'#keys [data-key="{key}"]')
        remote.click('#keys [data-key="enter"]')
        remote.wait_text("message", "Three darts cannot score that.")
        self.assertEqual(dvk.recovery(), before)

        for key in "60":
            remote.click(f'#keys [data-key="{key}"]')
        remote.click('#keys [data-key="enter"]')
        dvk.wait_state(lambda s: s["player0.remaining"] == "41", "the keypad's 60 in dvk")
        remote.wait_text("left", "101")  # Player 2's turn now
        saved = dvk.recovery()
        self.assertEqual(saved["game"]["legs"][0]["scores"][0][0], 60)

        # Undo is Shift+Enter: back to Player 1's 60, corrected to 20.
        remote.click('#keys [data-key="undo"]')
        dvk.wait_state(lambda s: s["list.input_cell"] == "0,0", "the cursor back on the 60")
        remote.wait_text("left", "101")
        for key in "20":
            remote.click(f'#keys [data-key="{key}"]')
        remote.click('#keys [data-key="enter"]')
        dvk.wait_state(lambda s: s["player0.remaining"] == "81", "the 60 corrected to 20")

        # Player 2 checks out 101 from the keypad: the program asks for the darts, and the
        # keypad offers what the dialog takes, 101 being out of reach of one dart.
        dvk.wait_state(lambda s: s["list.input_cell"] == "1,0", "Player 2 to throw")
        for key in "101":
            remote.click(f'#keys [data-key="{key}"]')
        remote.click('#keys [data-key="enter"]')
        dvk.wait_window("^Check-Out$")
        remote.wait_text("question-text",
                         "Player 2: How many darts did you use for the check?")
        self.assertEqual(remote.evaluate(
            "[...document.querySelectorAll('#answers button')].map(b => b.dataset.answer)"),
            ["2", "3", "0"])
        remote.click('#answers [data-answer="3"]')
        dvk.wait_window("^Player 2$")
        remote.wait_text("question-text", "GAME SHOT — Player 2 (3 darts)")
        remote.click('#answers [data-answer="1"]')
        dvk.wait_idle_main()
        state = dvk.wait_state(lambda s: s["player0.remaining"] == "101", "the next leg")
        saved = dvk.recovery()
        self.assertEqual(saved["game"]["players"][1]["legs_won"], 1)
        self.assertEqual(saved["game"]["legs"][0]["scores"][1][0], -3)
        self.assertEqual(state["modal"], "")
        dvk.assert_clean_output()

    def test_a_page_left_open_shows_the_recovered_game_after_kill_9(self):
        dvk = self.start_with_server()
        board = self.browser("/")
        self.enter_visit(dvk, 100)
        self.enter_visit(dvk, 45)
        board.wait_text("p1-left", "456")
        dvk.kill9()
        board.wait_text("offline", "Connecting to dvk…")
        self.assertTrue(board.evaluate("!document.body.classList.contains('connected')"))

        again = self.launch(folder=dvk.folder)
        again.wait_idle_main()
        board.wait_text("p0-left", "401")
        board.wait_text("p1-left", "456")
        self.assertTrue(board.evaluate("document.body.classList.contains('connected')"))
        # The recovered game goes on, and the page with it.
        self.enter_visit(again, 60)
        board.wait_text("p0-left", "341")
        again.assert_clean_output()


if __name__ == "__main__":
    main()
