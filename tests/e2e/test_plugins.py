"""Plug-ins in the real program: the Tools menu, a plug-in's shortcut key, and the events of a
match and of the window reaching a plug-in library."""

import os
import shutil
import tempfile

from dvk_e2e import E2ETestCase, ini_text, main, wait_until

PLUGIN_DIR = os.environ.get("DVK_PLUGIN_DIR", "")
TEST_PLUGIN_DIR = os.environ.get("DVK_TEST_PLUGIN_DIR", "")

CTRL_SHIFT = 8 + 4
VK_S = 0x53


def plugins_ini(log_path):
    return ini_text({
        "game": {"start_score": 301},
        "plugin": {
            "count": 2,
            "title_0": "Show Scores",
            "lib_file_path_0": os.path.join(PLUGIN_DIR, "minimal.dvk"),
            "func_name_0": "show_scores",
            "cmd_line_0": "",
            "ctrl_0": CTRL_SHIFT,
            "key_0": VK_S,
            "title_1": "Recorder",
            "lib_file_path_1": os.path.join(TEST_PLUGIN_DIR, "recorder.dvk"),
            "func_name_1": "record",
            "cmd_line_1": log_path,
            "ctrl_1": 0,
            "key_1": 0,
        },
    })


class Plugins(E2ETestCase):

    def start_game(self, ini_for):
        """A fresh start in a folder of its own, whose plug-ins log into it."""
        folder = tempfile.mkdtemp(prefix="dvk-e2e-")
        self.addCleanup(shutil.rmtree, folder, True)
        self.log_path = os.path.join(folder, "plugin-log.txt")
        dvk = self.launch(ini=ini_for(self.log_path), folder=folder)
        dvk.wait_window("^Game Option$")
        dvk.wait_state(lambda s: s["modal"] != "", "the game option dialog to be active")
        dvk.key("Return")
        dvk.wait_no_window("^Game Option$")
        return dvk

    def read_log(self):
        try:
            with open(self.log_path, encoding="utf-8") as f:
                return f.read().splitlines()
        except FileNotFoundError:
            return []

    def logged(self, prefix):
        return any(line.startswith(prefix) for line in self.read_log())

    def test_tools_menu_shortcut_and_events(self):
        if not PLUGIN_DIR or not TEST_PLUGIN_DIR:
            self.fail("DVK_PLUGIN_DIR and DVK_TEST_PLUGIN_DIR must name the built plug-ins")
        dvk = self.start_game(plugins_ini)
        state = dvk.wait_idle_main()
        self.assertEqual(state["tools"], "Show Scores Ctrl+Shift+S|Recorder")
        self.assertTrue(self.logged("e=1 p=0 "))

        self.enter_visit(dvk, 60)
        wait_until(lambda: self.logged("e=256 p=60 "), "the recorder to hear of the visit")

        # The minimal plug-in prints the scores it asks the program for.
        dvk.key("ctrl+shift+s")
        wait_until(lambda: "Player 1: 241 left, 0 legs, 0 sets" in dvk.output(),
                   "the minimal plug-in's report")

        # Tools opens from the keyboard; its first item runs the same function.
        dvk.key("alt+t")
        opened = dvk.wait_state(lambda s: s["popup"] == "menu:&Tools", "the Tools menu")
        self.assertEqual(opened["tools"], "Show Scores Ctrl+Shift+S|Recorder")
        dvk.key("Return")
        wait_until(lambda: dvk.output().count("Player 1: 241 left") == 2,
                   "the Tools item to run the plug-in")
        self.assertIn("Input: Player 2, round 1", dvk.output())

        dvk.wait_idle_main()
        dvk.exit_by_menu()
        self.assertTrue(self.read_log()[-1].startswith("e=2 p=16 "), self.read_log()[-3:])


if __name__ == "__main__":
    main()
