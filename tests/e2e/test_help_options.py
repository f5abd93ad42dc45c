"""What the program tells about itself: `dvk --help` and `dvk --version` print and end without a
window, also where there is no display; Help > User's Guide opens the guide with the desktop's
opener; and an opener that starts but finds no browser is told to the user. A stand-in for
xdg-open on the PATH records what the program asked to open, or fails as xdg-open does on a
desktop without a browser."""

import os
import shutil
import stat
import subprocess
import tempfile

from dvk_e2e import APP_TITLE, DVK, E2ETestCase, main, wait_until

GUIDE = os.path.join(os.path.dirname(DVK), "guide")
# xdg-open's exit code when it finds no program for the address.
NO_METHOD_AVAILABLE = 3


class CommandLine(E2ETestCase):

    def run_copy(self, *arguments, env=None):
        """Runs a copy of dvk in a folder of its own, which must stay as it was."""
        folder = tempfile.mkdtemp(prefix="dvk-e2e-help-")
        self.addCleanup(shutil.rmtree, folder, True)
        program = os.path.join(folder, "dvk")
        shutil.copy2(DVK, program)
        home = os.path.join(folder, "home")
        os.makedirs(home)
        base = {k: v for k, v in os.environ.items() if k != "DISPLAY"}
        result = subprocess.run([program, *arguments], capture_output=True, text=True,
                                timeout=30, cwd=folder,
                                env={**base, "HOME": home, "LANG": "C.UTF-8", "LC_ALL": "C.UTF-8",
                                     "LANGUAGE": "en", **(env or {})})
        self.assertEqual(sorted(os.listdir(folder)), ["dvk", "home"])
        self.assertEqual(os.listdir(home), [])
        return result

    def test_help_and_version_print_and_end_without_a_display(self):
        cases = (
            (["--help"], {}, ["Usage: dvk [--portable]", "       dvk /shortcut",
                              "  --version   show the version and end",
                              "The user's guide is not installed."]),
            (["-h"], {}, ["Usage: dvk [--portable]"]),
            (["--portable", "--help"], {}, ["Usage: dvk [--portable]"]),
            (["--version"], {}, ["dvk 0.2.6", "Scorer for two-player count-down darts."]),
            (["--help"], {"LANG": "ja_JP.UTF-8", "LC_ALL": "ja_JP.UTF-8", "LANGUAGE": "ja"},
             ["使い方: dvk [--portable]", "バージョンを表示して終了します"]),
        )
        for arguments, env, lines in cases:
            with self.subTest(arguments=arguments, env=env):
                result = self.run_copy(*arguments, env=env)
                self.assertEqual((result.returncode, result.stderr), (0, ""))
                for line in lines:
                    self.assertIn(line, result.stdout)

    def test_help_names_the_guide_and_opens_no_window_on_a_display(self):
        folder = tempfile.mkdtemp(prefix="dvk-e2e-help-")
        self.addCleanup(shutil.rmtree, folder, True)
        shutil.copy2(DVK, os.path.join(folder, "dvk"))
        shutil.copytree(GUIDE, os.path.join(folder, "guide"))
        process = subprocess.Popen([os.path.join(folder, "dvk"), "--help"], cwd=folder,
                                   stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True,
                                   env={**os.environ, "DISPLAY": self.display.name,
                                        "HOME": folder, "LANGUAGE": "en"})
        out, err = process.communicate(timeout=30)
        self.assertEqual((process.returncode, err), (0, ""))
        self.assertIn("The user's guide: " + os.path.join(folder, "guide", "en", "index.html"),
                      out.splitlines())
        self.assertEqual(self.display.xdotool("search", "--name", "dvk", check=False), "")


class HelpMenu(E2ETestCase):

    def setUp(self):
        super().setUp()
        self.opener_dir = tempfile.mkdtemp(prefix="dvk-opener-")
        self.opened = os.path.join(self.opener_dir, "opened.txt")
        self.saved_path = os.environ["PATH"]
        os.environ["PATH"] = self.opener_dir + os.pathsep + self.saved_path

    def tearDown(self):
        os.environ["PATH"] = self.saved_path
        super().tearDown()
        shutil.rmtree(self.opener_dir, ignore_errors=True)

    def opener(self, exit_code):
        """xdg-open that notes the address and ends with `exit_code`."""
        path = os.path.join(self.opener_dir, "xdg-open")
        with open(path, "w", encoding="utf-8") as f:
            f.write(f'#!/bin/sh\nprintf "%s\\n" "$@" >> "{self.opened}"\nexit {exit_code}\n')
        os.chmod(path, os.stat(path).st_mode | stat.S_IXUSR)

    def opened_addresses(self):
        def read():
            if not os.path.exists(self.opened):
                return None
            with open(self.opened, encoding="utf-8") as f:
                return f.read().split()

        return wait_until(read, "the opener to be started")

    def start_with_guide(self):
        folder = tempfile.mkdtemp(prefix="dvk-e2e-guide-")
        self.addCleanup(shutil.rmtree, folder, True)
        shutil.copytree(GUIDE, os.path.join(folder, "guide"))
        dvk = self.launch(folder=folder)
        dvk.wait_window("^Game Option$")
        dvk.wait_state(lambda s: s["modal"] != "", "the game option dialog to be active")
        dvk.key("Return")
        dvk.wait_idle_main()
        return dvk, folder

    def test_users_guide_opens_from_the_help_menu(self):
        self.opener(0)
        dvk, folder = self.start_with_guide()
        state = dvk.state()
        dvk.menu("h", "u")
        self.assertEqual(self.opened_addresses(),
                         ["file://" + os.path.join(folder, "guide", "en", "index.html")])
        dvk.wait_idle_main()
        self.assertEqual(dvk.state()["title"], state["title"])
        dvk.exit_by_menu()

    def test_an_opener_without_a_browser_is_told(self):
        self.opener(NO_METHOD_AVAILABLE)
        dvk, folder = self.start_with_guide()
        for letter, item in (("h", "u"), ("g", "l")):
            with self.subTest(menu=letter):
                dvk.menu(letter, item)
                told = dvk.wait_state(lambda s: s.get("modal.text", "") != "",
                                      "the message that nothing opened")
                guide = os.path.join(folder, "guide", "en", "index.html")
                self.assertEqual(told["modal.text"],
                                 f"No program could open '{guide}': the desktop's opener ended "
                                 f"with code {NO_METHOD_AVAILABLE}. Install a web browser.")
                dvk.wait_window("^" + APP_TITLE + "$")
                dvk.key("Return")
                dvk.wait_idle_main()
        self.assertEqual(len(self.opened_addresses()), 2)


if __name__ == "__main__":
    main()
