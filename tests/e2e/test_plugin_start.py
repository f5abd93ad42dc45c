"""What a plug-in sees at the program's start, on a fresh start and on a restart that continues
dvk.tmp, and the answers of the message that enters a value: the checks of a plug-in written
from the public header alone."""

import os
import shutil
import tempfile

from dvk_e2e import E2ETestCase, ini_text, main, wait_until

TEST_PLUGIN_DIR = os.environ.get("DVK_TEST_PLUGIN_DIR", "")


class PluginStart(E2ETestCase):

    def setUp(self):
        super().setUp()
        library = os.path.join(TEST_PLUGIN_DIR, "start_check.dvk")
        if not os.path.isfile(library):
            self.fail("DVK_TEST_PLUGIN_DIR must name the built test plug-ins")
        self.folder = tempfile.mkdtemp(prefix="dvk-e2e-")
        self.addCleanup(shutil.rmtree, self.folder, True)
        self.log_path = os.path.join(self.folder, "start-check.txt")
        self.ini = ini_text({
            "game": {"start_score": 301, "p1_name": "Ann", "p2_name": "Bob"},
            "plugin": {"count": 1, "title_0": "Start Check", "lib_file_path_0": library,
                       "func_name_0": "start_check", "cmd_line_0": self.log_path,
                       "ctrl_0": 0, "key_0": 0},
        })

    def log(self):
        try:
            with open(self.log_path, encoding="utf-8") as f:
                return f.read().splitlines()
        except FileNotFoundError:
            return []

    def take_log(self):
        lines = self.log()
        os.remove(self.log_path)
        return lines

    def assert_start_seen(self, lines, game):
        self.assertEqual(lines, [f"initialize data: {game}", f"initialize asked: {game}",
                                 f"start data: {game}", f"start asked: {game}"])

    def test_the_start_record_and_entered_values(self):
        dvk = self.launch(ini=self.ini, folder=self.folder)
        dvk.wait_window("^Game Option$")
        # Told of the start before the game option dialog opens, with the new game's record.
        self.assert_start_seen(self.take_log(),
                               "ok start=301 names=Ann|Bob left=301,301 leg=0 rows=1 round=0")
        dvk.wait_state(lambda s: s["modal"] != "", "the game option dialog")
        dvk.key("Return")
        dvk.wait_no_window("^Game Option$")
        dvk.wait_idle_main()
        self.enter_visit(dvk, 60)
        self.enter_visit(dvk, 100)
        self.assertEqual(self.take_log(), ["visit 60: enter=0", "visit 100: enter=0"])
        dvk.exit_by_menu()

        # A restart continues dvk.tmp: the plug-in sees that game from the first call on.
        dvk = self.launch(folder=self.folder)
        self.assert_start_seen(self.take_log(),
                               "ok start=301 names=Ann|Bob left=241,201 leg=0 rows=2 round=1")
        dvk.wait_idle_main()

        # Its Tools command enters values: 999 and 181 are refused, a shown 45 and 60 are not.
        dvk.key("alt+t")
        dvk.wait_state(lambda s: s["popup"] == "menu:&Tools", "the Tools menu")
        dvk.key("Return")
        wait_until(lambda: len(self.log()) == 2, "the plug-in's report")
        self.assertEqual(self.log(), ["visit 60: enter=0",
                                      "menu: 999=0 shown=1 181=0 60=1 left=181,201"])
        self.assertEqual(dvk.wait_idle_main()["player0.remaining"], "181")
        dvk.exit_by_menu()


if __name__ == "__main__":
    main()
