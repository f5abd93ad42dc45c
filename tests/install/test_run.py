"""The installed program, started with a home of its own, keeps its files only there: settings in
the configuration folder, the game in progress in the data folder, auto-saved CSV files in the
documents. The installation, the working folder and the temporary folder stay as they were, and
the next start continues the game from the home."""

import glob
import json
import os
import subprocess
import tempfile

from dvk_e2e import Dvk, E2ETestCase, main
from install_prefix import InstalledPrefix

INSPECT = os.environ.get("DVK_INSPECT", "")


def snapshot(folder):
    """Every file under `folder` with its size and modification time."""
    files = {}
    for root, _, names in os.walk(folder):
        for name in names:
            path = os.path.join(root, name)
            info = os.stat(path)
            files[os.path.relpath(path, folder)] = (info.st_size, info.st_mtime_ns)
    return files


class InstalledDvk(Dvk):
    """The installed executable, run without being told where to keep its files."""

    folders = None

    def __init__(self, display, executable, folder):
        super().__init__(display, folder=folder)
        self.exe = executable


class InstalledProgram(E2ETestCase):

    def setUp(self):
        super().setUp()
        self.installed = InstalledPrefix()
        self.work = tempfile.mkdtemp(prefix="dvk-installed-run-")
        self.temp = os.path.join(self.work, "tmp")
        os.makedirs(self.temp)
        self.saved_tmpdir = os.environ.get("TMPDIR")
        os.environ["TMPDIR"] = self.temp

    def tearDown(self):
        super().tearDown()
        if self.saved_tmpdir is None:
            os.environ.pop("TMPDIR", None)
        else:
            os.environ["TMPDIR"] = self.saved_tmpdir
        self.installed.remove()
        subprocess.run(["rm", "-rf", self.work], check=False)

    def launch_installed(self):
        program = InstalledDvk(self.display, self.installed.path("games", "dvk"), self.work)
        self.programs.append(program)
        return program.start()

    def play_a_leg_with_auto_save(self, dvk):
        dvk.wait_window("^Game Option$")
        dvk.wait_state(lambda s: s["modal"] != "", "the game option dialog")
        dvk.key("Return")
        dvk.wait_idle_main()
        dvk.menu("g", "s")  # Auto Save, which names its folder
        dvk.wait_window("^dvk Ver 0.2.6$")
        dvk.key("Return")
        dvk.wait_idle_main()
        for points in (180, 60, 180, 60):
            self.enter_visit(dvk, points)
        dvk.type("141")
        dvk.key("Return")
        dvk.wait_window("^Check-Out$")
        dvk.key("3")
        dvk.wait_window("^Player 1$")
        dvk.key("Return")
        dvk.wait_state(lambda s: s["title"] == "dvk - 2 Legs" and s["modal"] == "",
                       "the second leg")
        self.enter_visit(dvk, 100)

    def test_files_are_kept_in_the_users_folders_only(self):
        installation = snapshot(self.installed.prefix)
        dvk = self.launch_installed()
        home = dvk.path("home")
        beside = snapshot(self.work)
        self.play_a_leg_with_auto_save(dvk)
        dvk.exit_by_menu()

        self.assertEqual(snapshot(self.installed.prefix), installation)
        self.assertEqual(snapshot(self.temp), {})
        # The harness's own files (its log, the screen description) are the only change in the
        # working folder outside the home.
        changed = {name for name, info in snapshot(self.work).items()
                   if not name.startswith("home/") and not name.startswith("runtime/")
                   and beside.get(name) != info}
        self.assertLessEqual(changed, {"stderr.txt", "screen-state.txt"})

        written = sorted(name for name in snapshot(home)
                         if not name.startswith(".cache/"))
        # The match archive keeps the leg beside the recovery file and its spare.
        self.assertEqual(len(written), 5, written)
        self.assertEqual(written[0], ".config/dvk/dvk.ini")
        self.assertEqual(written[1], ".local/share/dvk/dvk-archive.sqlite")
        self.assertEqual(written[2], ".local/share/dvk/dvk.tmp")
        self.assertEqual(written[3], ".local/share/dvk/dvk.tmp.spare")
        self.assertRegex(written[4], r"^Documents/dvk/501_\d{8}_\d{6}\.csv$")
        with open(os.path.join(home, ".config/dvk/dvk.ini"), encoding="utf-8") as f:
            self.assertIn("auto_save=1", f.read())
        csv = glob.glob(os.path.join(home, "Documents/dvk/*.csv"))[0]
        with open(csv, encoding="utf-8") as f:
            self.assertIn("Player 1", f.read())

        recovery = subprocess.run([INSPECT, "recovery", os.path.join(home, written[2])],
                                  capture_output=True, text=True, timeout=60)
        game = json.loads(recovery.stdout)["game"]
        self.assertEqual(game["leg_index"], 1)

        again = self.launch_installed()
        state = again.wait_idle_main()
        self.assertEqual(state["title"], "dvk - 2 Legs")
        self.assertEqual(state["player1.remaining"], "401")
        again.exit_by_menu()


if __name__ == "__main__":
    main()
