"""A plug-in that ends the program: on a visit, in the start event or with exit() in its
initialize function. The next start names the function and the library, turns the plug-in off
(kept in the list, unchecked in dvk.ini) and continues the game of dvk.tmp."""

import os
import re
import shutil
import signal
import tempfile

from dvk_e2e import WAIT_SECONDS, Dvk, E2EError, E2ETestCase, ini_text, main

TEST_PLUGIN_DIR = os.environ.get("DVK_TEST_PLUGIN_DIR", "")
CRASHER = os.path.join(TEST_PLUGIN_DIR, "crasher.dvk")


def crasher_ini(function, enabled):
    return ini_text({
        "game": {"start_score": 301, "p1_name": "Ann", "p2_name": "Bob"},
        "plugin": {
            "count": 1,
            "title_0": function,
            "lib_file_path_0": CRASHER,
            "func_name_0": function,
            "cmd_line_0": "",
            "ctrl_0": 0,
            "key_0": 0,
            "enabled_0": enabled,
        },
    })


def read(path):
    with open(path, encoding="utf-8") as f:
        return f.read()


class PluginCrash(E2ETestCase):

    def setUp(self):
        super().setUp()
        if not os.path.isfile(CRASHER):
            self.fail("DVK_TEST_PLUGIN_DIR must name the built test plug-ins")
        self.folder = tempfile.mkdtemp(prefix="dvk-e2e-")
        self.addCleanup(shutil.rmtree, self.folder, True)

    def run_until_it_dies(self):
        """Starts dvk in the test's folder and waits for the plug-in to end it."""
        program = Dvk(self.display, folder=self.folder)
        self.programs.append(program)
        try:
            program.start()
        except E2EError:
            pass  # it may die before its window shows
        code = program.process.wait(WAIT_SECONDS)
        program.stop()
        return code

    def restart_after(self, call):
        """The next start tells which function ended the program; the message is confirmed."""
        dvk = self.launch(folder=self.folder)
        shown = dvk.wait_state(lambda s: s["modal"] == "MessageBox", "the plug-in's message")
        text = shown["modal.text"]
        self.assertIn(call, text)
        self.assertIn(CRASHER, text)
        self.assertIn("turned off", text)
        dvk.key("Return")
        return dvk, dvk.wait_idle_main()

    def assert_turned_off(self, dvk):
        dvk.exit_by_menu()
        ini = read(dvk.path("dvk.ini"))
        self.assertIn("count=1", ini)  # still in the list
        self.assertIn(f'lib_file_path_0="{CRASHER}"', ini)
        self.assertRegex(ini, r"\benabled_0=0\b")
        self.assertFalse(os.path.exists(dvk.path("dvk-plugin-call.txt")))

    def test_a_crash_on_a_visit(self):
        first = self.launch(ini=crasher_ini("crash_on_visit", 1), folder=self.folder)
        first.wait_window("^Game Option$")
        first.wait_state(lambda s: s["modal"] != "", "the game option dialog")
        first.key("Return")
        first.wait_idle_main()
        first.type("60")
        first.key("Return")
        code = first.process.wait(WAIT_SECONDS)
        first.stop()
        self.assertIn(code, (-signal.SIGSEGV, 1))  # 1: a sanitizer's report
        self.assertIn("crash_on_visit", read(first.path("dvk-plugin-call.txt")))

        # The game goes on without a new game option dialog, the plug-in no longer called.
        dvk, _ = self.restart_after("crash_on_visit, event 256")
        self.enter_visit(dvk, 60)
        self.assertEqual(dvk.state()["player0.remaining"], "241")
        self.assert_turned_off(dvk)

        # Turned on again with its check box on the Plug-in page (Space on the first row).
        dvk = self.launch(folder=self.folder)
        self.assertEqual(dvk.wait_idle_main()["modal"], "")
        dvk.menu("g", "o")
        dvk.wait_window("^Option$")
        dvk.wait_state(lambda s: s["modal"] == "OptionSheet", "the Option dialog")
        dvk.key("ctrl+Tab", "ctrl+Tab", "ctrl+Tab")
        for _ in range(12):  # Tab through the page to its list
            if dvk.state()["focus"] == "list":
                break
            dvk.key("Tab")
        self.assertEqual(dvk.state()["focus"], "list")
        dvk.key("space", "Return")
        dvk.wait_no_window("^Option$")
        dvk.wait_idle_main()
        self.assertNotIn("enabled_0", read(dvk.path("dvk.ini")))

    def test_an_end_while_starting_keeps_the_saved_game(self):
        for function, call, expected in (
                ("crash_at_start", "crash_at_start, event 1", (-signal.SIGSEGV, 1)),
                ("exit_at_initialize", "exit_at_initialize_initialize", (3,))):
            with self.subTest(function=function):
                for name in os.listdir(self.folder):
                    if name != "dvk":
                        path = os.path.join(self.folder, name)
                        shutil.rmtree(path) if os.path.isdir(path) else os.remove(path)
                # A game in progress, played while the plug-in was off.
                dvk = self.start_game_in_folder(crasher_ini(function, 0))
                self.enter_visit(dvk, 60)
                self.enter_visit(dvk, 100)
                dvk.exit_by_menu()
                saved = dvk.recovery()
                ini_path = dvk.path("dvk.ini")
                turned_on = re.sub(r"enabled_0=0", "enabled_0=1", read(ini_path))
                with open(ini_path, "w", encoding="utf-8", newline="\r\n") as f:
                    f.write(turned_on)

                self.assertIn(self.run_until_it_dies(), expected)
                self.assertEqual(Dvk(self.display, folder=self.folder).recovery(), saved)

                dvk, state = self.restart_after(call)
                self.assertEqual(state["player0.remaining"], "241")
                self.assertEqual(state["player1.remaining"], "201")
                self.assertEqual(state["list.input_cell"], "0,1")
                self.assert_turned_off(dvk)

    def start_game_in_folder(self, ini):
        dvk = self.launch(ini=ini, folder=self.folder)
        dvk.wait_window("^Game Option$")
        dvk.wait_state(lambda s: s["modal"] != "", "the game option dialog")
        dvk.key("Return")
        dvk.wait_no_window("^Game Option$")
        dvk.wait_idle_main()
        return dvk


if __name__ == "__main__":
    main()
