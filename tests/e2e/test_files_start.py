"""A settings file the program cannot read does not stop the real program: a pipe in its place
cannot block the start, and a file over the size limit is refused. Either way the user is told
at start which file and why, the game is played with the default settings, and the file is left
as it was at exit (the failed save is told too)."""

import os
import re
import stat
import subprocess

from dvk_e2e import APP_TITLE, WAIT_SECONDS, Dvk, E2EError, E2ETestCase, main

SETTINGS_LIMIT = 2 * 1024 * 1024


class UnreadableSettings(E2ETestCase):

    def start_with_settings(self, make_settings):
        dvk = Dvk(self.display)
        self.programs.append(dvk)
        make_settings(dvk.path("dvk.ini"))
        dvk.start()
        state = dvk.wait_state(lambda s: s.get("modal.text", "").startswith("The settings in"),
                               "the message about the settings file")
        return dvk, state["modal.text"]

    def play_and_exit(self, dvk):
        """Confirms the message, plays a visit with the default game and exits; the save at
        exit cannot replace the file and says so."""
        dvk.key("Return")
        dvk.wait_window("^Game Option$")
        dvk.wait_state(lambda s: s["modal"] != "", "the game option dialog to be active")
        dvk.key("Return")
        dvk.wait_no_window("^Game Option$")
        dvk.wait_idle_main()
        self.enter_visit(dvk, 60)
        state = dvk.state()
        # The file's start score of 301 was not read: the game is the default 501.
        self.assertIn("441", (state["player0.remaining"], state["player1.remaining"]))
        dvk.menu("g", "x")
        dvk.wait_window("^" + re.escape(APP_TITLE) + "$")
        dvk.key("Return")
        state = dvk.wait_state(
            lambda s: s.get("modal.text", "").startswith("The settings could not be saved"),
            "the message about the failed save")
        self.assertIn(dvk.path("dvk.ini"), state["modal.text"])
        dvk.key("Return")
        try:
            code = dvk.process.wait(WAIT_SECONDS)
        except subprocess.TimeoutExpired as error:
            raise E2EError("dvk did not exit") from error
        self.assertEqual(code, 0, dvk.output())

    def test_a_pipe_as_settings_file_neither_blocks_the_start_nor_is_replaced(self):
        dvk, text = self.start_with_settings(os.mkfifo)
        self.assertIn(f"'{dvk.path('dvk.ini')}'", text)
        self.assertIn("Not a regular file", text)
        self.play_and_exit(dvk)
        self.assertTrue(stat.S_ISFIFO(os.stat(dvk.path("dvk.ini")).st_mode))

    def test_an_oversized_settings_file_is_told_at_start_and_kept(self):
        content = b"[game]\r\nstart_score=301\r\n" + b"#" * SETTINGS_LIMIT + b"\r\n"

        def oversized(path):
            with open(path, "wb") as f:
                f.write(content)

        dvk, text = self.start_with_settings(oversized)
        self.assertIn(f"'{dvk.path('dvk.ini')}'", text)
        self.assertIn("File too large", text)
        self.play_and_exit(dvk)
        with open(dvk.path("dvk.ini"), "rb") as f:
            self.assertEqual(f.read(), content)


if __name__ == "__main__":
    main()
