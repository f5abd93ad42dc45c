"""Drives the real dvk program on a private X server with real X key events.

Each test gets its own Xvfb display and its own program folder (a copy of the dvk executable,
so dvk.ini, dvk.tmp and data/ land there). Keys go through the X server with xdotool, exactly as a
keyboard's would. The program is checked through its files (dvk.tmp read back with dvk-inspect,
dvk.ini, data/*.csv), its X windows (by title), and a description of its screen that it writes
when it receives SIGUSR1 (the environment variable DVK_E2E_STATE names the file).

Nothing here sleeps for a fixed time to let the program catch up: every wait polls for a
condition with a deadline.
"""

import json
import os
import re
import shutil
import signal
import subprocess
import tempfile
import time
import unittest

DVK = os.environ.get("DVK_BINARY", "")
INSPECT = os.environ.get("DVK_INSPECT", "")
WAIT_SECONDS = float(os.environ.get("DVK_E2E_WAIT", "15"))

APP_TITLE = "dvk Ver 0.2.6"


class E2EError(AssertionError):
    pass


def wait_until(condition, what, seconds=WAIT_SECONDS, interval=0.02):
    """Polls `condition` until it returns a true value, which is returned."""
    deadline = time.monotonic() + seconds
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise E2EError("timed out waiting for " + what)
        time.sleep(interval)


class Display:
    """A private Xvfb server."""

    def __init__(self, width=1280, height=1024, window_manager=True):
        read_end, write_end = os.pipe()
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{width}x{height}x24",
             "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as pipe:
            number = pipe.readline().strip()
        if not number:
            self.process.kill()
            raise E2EError("Xvfb did not start")
        self.name = ":" + number
        self.window_manager = None
        if window_manager:
            self.start_window_manager()

    def start_window_manager(self):
        self.window_manager = subprocess.Popen(
            ["openbox", "--sm-disable", "--config-file",
             os.path.join(os.path.dirname(os.path.abspath(__file__)), "openbox-rc.xml")],
            env={**os.environ, "DISPLAY": self.name}, stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL)
        wait_until(self.window_manager_ready, "the window manager")

    def window_manager_ready(self):
        result = subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"],
                                env={**os.environ, "DISPLAY": self.name}, capture_output=True,
                                text=True)
        return "window id" in result.stdout

    def xdotool(self, *args, check=True):
        result = subprocess.run(["xdotool", *args], env={**os.environ, "DISPLAY": self.name},
                                capture_output=True, text=True, timeout=WAIT_SECONDS)
        if check and result.returncode != 0:
            raise E2EError(f"xdotool {' '.join(args)} failed: {result.stderr.strip()}")
        return result.stdout

    def close(self):
        if self.window_manager is not None:
            self.window_manager.terminate()
            self.window_manager.wait()
        self.process.terminate()
        try:
            self.process.wait(5)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()


class Dvk:
    """One program folder and the dvk process running from it."""

    # The program folder is a copy of the executable in a temporary folder: the program is
    # told to keep its files there, where the tests look for them. None leaves the choice to
    # the program.
    folders = "portable"

    def __init__(self, display, folder=None, ini=None):
        self.display = display
        self.owns_folder = folder is None
        self.folder = folder or tempfile.mkdtemp(prefix="dvk-e2e-")
        self.exe = os.path.join(self.folder, "dvk")
        if not os.path.exists(self.exe):
            shutil.copy2(DVK, self.exe)
        if ini is not None:
            with open(self.path("dvk.ini"), "w", encoding="utf-8", newline="\r\n") as f:
                f.write(ini)
        self.state_path = self.path("screen-state.txt")
        self.process = None
        self.log = None

    def path(self, name):
        return os.path.join(self.folder, name)

    # --- the process -----------------------------------------------------------------------

    def start(self, env=None):
        home = self.path("home")
        os.makedirs(home, exist_ok=True)
        runtime = self.path("runtime")
        os.makedirs(runtime, mode=0o700, exist_ok=True)
        env = {
            **os.environ,
            "DISPLAY": self.display.name,
            "QT_QPA_PLATFORM": "xcb",
            "DVK_E2E_STATE": self.state_path,
            "HOME": home,
            "XDG_RUNTIME_DIR": runtime,
            "LANG": "C.UTF-8",
            "LC_ALL": "C.UTF-8",
            "LANGUAGE": "en",
            **(env or {}),
        }
        env.pop("DVK_FOLDERS", None)
        if self.folders:
            env["DVK_FOLDERS"] = self.folders
        self.log = open(self.path("stderr.txt"), "w+b")
        self.process = subprocess.Popen([self.exe], cwd=self.folder, env=env,
                                        stdout=self.log, stderr=subprocess.STDOUT)
        # The program answers SIGUSR1 only once its main window exists; before that the
        # signal would end it.
        self.wait_window(r"^dvk( - |$)")
        return self

    def alive(self):
        return self.process is not None and self.process.poll() is None

    def assert_alive(self):
        if not self.alive():
            raise E2EError(f"dvk is gone (exit code {self.process.returncode}):\n" + self.output())

    def output(self):
        if self.log is None:
            return ""
        self.log.flush()
        self.log.seek(0)
        return self.log.read().decode("utf-8", "replace")

    def assert_clean_output(self):
        text = self.output()
        for marker in ("runtime error:", "AddressSanitizer", "LeakSanitizer", "QObject::connect",
                       "QWidget::", "Segmentation"):
            if marker in text:
                raise E2EError(f"dvk printed '{marker}':\n{text}")

    def kill9(self):
        self.process.send_signal(signal.SIGKILL)
        self.process.wait()

    def wait_stopped(self):
        """Waits until the process has stopped itself with SIGSTOP."""
        def stopped():
            with open(f"/proc/{self.process.pid}/stat", encoding="utf-8") as f:
                return f.read().rsplit(")", 1)[1].split()[0] in ("T", "t")
        wait_until(stopped, "dvk to stop")

    def exit_by_menu(self):
        """Game > Exit, answered Yes; the process must end with code 0."""
        self.menu("g", "x")
        self.wait_window("^" + re.escape(APP_TITLE) + "$")
        self.key("Return")
        try:
            code = self.process.wait(WAIT_SECONDS)
        except subprocess.TimeoutExpired as error:
            raise E2EError("dvk did not exit") from error
        if code != 0:
            raise E2EError(f"dvk exit code {code}:\n" + self.output())
        self.assert_clean_output()

    def stop(self):
        if self.alive():
            self.process.kill()
            self.process.wait()
        if self.log is not None:
            self.log.close()
            self.log = None

    def cleanup(self):
        self.stop()
        if self.owns_folder:
            shutil.rmtree(self.folder, ignore_errors=True)

    # --- keys and windows --------------------------------------------------------------------

    def key(self, *keys):
        self.wait_keyboard_focus()
        self.display.xdotool("key", "--delay", "15", *keys)

    def type(self, text):
        self.wait_keyboard_focus()
        self.display.xdotool("type", "--delay", "15", text)

    def wait_keyboard_focus(self):
        """Under a window manager, waits until the X keyboard focus is on a shown window of
        this program. When a dialog closes, the window manager gives the focus back a moment
        later; keys sent in between would go nowhere. Without a window manager the focus
        follows the pointer, which the tests leave where they need it."""
        self.assert_alive()
        if self.display.window_manager is None:
            return

        def focused():
            self.assert_alive()
            focus = self.display.xdotool("getwindowfocus", check=False).strip()
            if not focus:
                return False
            shown = self.display.xdotool("search", "--onlyvisible", "--pid",
                                         str(self.process.pid), check=False).split()
            return focus in shown

        wait_until(focused, "the keyboard focus on a window of dvk")

    def menu(self, letter, item=None):
        """Opens a top-level menu with Alt+letter, then picks an item by its letter."""
        self.key("alt+" + letter)
        if item is not None:
            self.wait_state(lambda s: s.get("popup", "") != "", "a menu to open")
            self.key(item)

    def windows(self):
        """Titles of the visible top-level windows."""
        out = self.display.xdotool("search", "--onlyvisible", "--name", "", check=False)
        titles = []
        for window in out.split():
            name = self.display.xdotool("getwindowname", window, check=False).rstrip("\n")
            titles.append(name)
        return titles

    def wait_window(self, pattern):
        regex = re.compile(pattern)

        def found():
            self.assert_alive()
            return any(regex.search(t) for t in self.windows())

        wait_until(found, f"a window titled /{pattern}/")

    def wait_no_window(self, pattern):
        regex = re.compile(pattern)

        def gone():
            self.assert_alive()
            return not any(regex.search(t) for t in self.windows())

        wait_until(gone, f"no window titled /{pattern}/")

    # --- what the program shows and keeps ----------------------------------------------------

    def state(self):
        """The screen as the program describes it, as a dict."""
        self.assert_alive()
        try:
            os.remove(self.state_path)
        except FileNotFoundError:
            pass
        self.process.send_signal(signal.SIGUSR1)
        wait_until(lambda: self.assert_alive() or os.path.exists(self.state_path),
                   "the screen description")
        with open(self.state_path, encoding="utf-8") as f:
            lines = f.read().splitlines()
        return dict(line.split("=", 1) for line in lines if "=" in line)

    def wait_state(self, predicate, what):
        last = {}

        def check():
            nonlocal last
            last = self.state()
            return predicate(last)

        try:
            wait_until(check, what)
        except E2EError as error:
            raise E2EError(f"{error}; the screen was:\n" +
                           "\n".join(f"  {k}={v}" for k, v in last.items())) from None
        return last

    def wait_idle_main(self):
        """Waits until the main window is active with no dialog or menu open."""
        return self.wait_state(
            lambda s: s["active_window"] == "dvk_wnd" and s["modal"] == "" and s["popup"] == "",
            "the main window without dialogs")

    def recovery(self):
        result = subprocess.run([INSPECT, "recovery", self.path("dvk.tmp")],
                                capture_output=True, text=True, timeout=WAIT_SECONDS)
        return json.loads(result.stdout)

    def csv_files(self):
        folder = self.path("data")
        if not os.path.isdir(folder):
            return []
        return sorted(os.path.join(folder, n) for n in os.listdir(folder) if n.endswith(".csv"))


class E2ETestCase(unittest.TestCase):
    """Gives each test a display; programs started with `launch` are stopped afterwards."""

    def setUp(self):
        if not DVK or not INSPECT:
            self.fail("DVK_BINARY and DVK_INSPECT must name the built programs")
        self.display = Display()
        self.displays = [self.display]
        self.programs = []

    def tearDown(self):
        for program in self.programs:
            program.cleanup()
        for display in self.displays:
            display.close()

    def bare_display(self):
        """A second display without a window manager: a closed dialog leaves the main window
        inactive there, yet keys still reach it, through the window under the pointer."""
        display = Display(window_manager=False)
        self.displays.append(display)
        return display

    def launch(self, ini=None, folder=None, display=None, env=None):
        program = Dvk(display or self.display, folder=folder, ini=ini)
        self.programs.append(program)
        return program.start(env)

    def start_game(self, ini=None, env=None):
        """A fresh start: the game option dialog opens and Enter confirms it."""
        dvk = self.launch(ini, env=env)
        dvk.wait_window("^Game Option$")
        dvk.wait_state(lambda s: s["modal"] != "", "the game option dialog to be active")
        dvk.key("Return")
        dvk.wait_no_window("^Game Option$")
        dvk.wait_idle_main()
        return dvk

    def enter_visit(self, dvk, points):
        """Types a visit and presses Enter; waits for it to reach the other player."""
        before = dvk.state()["list.input_cell"]
        dvk.type(str(points))
        dvk.key("Return")
        dvk.wait_state(lambda s: s["list.input_cell"] != before, f"the visit {points} to count")

    def win_leg_of_301(self, dvk, winner):
        """180, 0 and a three-dart 121: the first thrower wins a leg of 301. `winner` is the
        caption of the game-shot message, the winner's name."""
        self.enter_visit(dvk, 180)
        self.enter_visit(dvk, 0)
        dvk.type("121")
        dvk.key("Return")
        dvk.wait_window("^Check-Out$")
        dvk.key("Return")  # only "3rd dart" can score 121
        dvk.wait_window("^" + re.escape(winner) + "$")  # "Game shot 3 dart. (6 darts)"
        dvk.key("Return")


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


def ini_text(sections):
    """dvk.ini text from {"section": {"key": value}}; texts are quoted."""
    lines = []
    for section, keys in sections.items():
        lines.append(f"[{section}]")
        for key, value in keys.items():
            lines.append(f'{key}="{value}"' if isinstance(value, str) else f"{key}={value}")
    return "\n".join(lines) + "\n"


def main():
    unittest.main(verbosity=2)
