"""The caller plug-in in the real program: its settings are kept in dvk's settings folder and
come back at the next start, a save that fails is told, and without a speech engine its dialog
and its Try button say which package brings a voice. The caller opens from its shortcut key."""

import glob
import os
import shutil
import tempfile

from dvk_e2e import Dvk, E2ETestCase, ini_text, main, wait_until

PLUGIN_DIR = os.environ.get("DVK_PLUGIN_DIR", "")
CTRL = 8
VK_K = 0x4B
NO_VOICE = "No voice is installed: install qt6-speech-flite-plugin."


def caller_ini():
    return ini_text({
        "game": {"start_score": 301},
        "plugin": {
            "count": 1,
            "title_0": "Caller",
            "lib_file_path_0": os.path.join(PLUGIN_DIR, "caller.dvk"),
            "func_name_0": "caller",
            "cmd_line_0": "",
            "ctrl_0": CTRL,
            "key_0": VK_K,
        },
    })


class InstalledDvk(Dvk):
    """A program that keeps its files in the user's folders of its home."""

    folders = "installed"


def qt_plugins_without_speech(folder):
    """A Qt plug-in folder with every kind of plug-in of the system but the speech engines."""
    real = os.path.dirname(glob.glob("/usr/lib/*/qt6/plugins/platforms")[0])
    plugins = os.path.join(folder, "qt-plugins")
    os.makedirs(plugins)
    for kind in os.listdir(real):
        if kind != "texttospeech":
            os.symlink(os.path.join(real, kind), os.path.join(plugins, kind))
    return plugins


class CallerSettings(E2ETestCase):

    def setUp(self):
        super().setUp()
        if not PLUGIN_DIR:
            self.fail("DVK_PLUGIN_DIR must name the built plug-ins")
        self.env = {"QT_PLUGIN_PATH": ""}

    def start(self, program):
        self.programs.append(program)
        program.start(self.env)
        program.wait_window("^Game Option$")
        program.wait_state(lambda s: s["modal"] != "", "the game option dialog to be active")
        program.key("Return")
        program.wait_no_window("^Game Option$")
        program.wait_idle_main()
        return program

    def open_caller(self, dvk):
        dvk.key("ctrl+k")
        dvk.wait_window("^Caller$")
        dvk.wait_state(lambda s: s["modal"] != "", "the caller's dialog")

    def installed(self, folder):
        """An installed dvk whose home holds dvk.ini with the caller."""
        home = os.path.join(folder, "home")
        config = os.path.join(home, ".config", "dvk")
        os.makedirs(config, exist_ok=True)
        if not os.path.exists(os.path.join(config, "dvk.ini")):
            with open(os.path.join(config, "dvk.ini"), "w", encoding="utf-8") as f:
                f.write(caller_ini())
        self.env.update({"XDG_CONFIG_HOME": os.path.join(home, ".config"),
                         "XDG_DATA_HOME": os.path.join(home, ".local", "share")})
        return InstalledDvk(self.display, folder=folder), config

    def test_settings_are_kept_beside_dvk_ini_and_come_back(self):
        folder = tempfile.mkdtemp(prefix="dvk-e2e-caller-")
        self.addCleanup(shutil.rmtree, folder, True)
        program, config = self.installed(folder)
        dvk = self.start(program)
        self.open_caller(dvk)
        dvk.key("alt+e")  # "Every visit" off
        dvk.wait_state(lambda s: s["focus.checked"] == "0", "the box to be cleared")
        dvk.key("Return")
        dvk.wait_idle_main()
        saved = os.path.join(config, "dvk_caller.ini")
        wait_until(lambda: os.path.exists(saved), "the caller's settings file")
        with open(saved, encoding="utf-8") as f:
            self.assertIn("visits=false", f.read())
        dvk.exit_by_menu()
        self.assertEqual(glob.glob(os.path.join(folder, "*.ini")), [])

        # After a restart the dialog shows the saved choice: confirmed as it opens, it writes
        # the same settings again.
        recovery = os.path.join(folder, "home", ".local", "share", "dvk", "dvk.tmp")
        if os.path.exists(recovery):
            os.remove(recovery)
        again = self.start(InstalledDvk(self.display, folder=folder))
        self.open_caller(again)
        again.key("Return")
        again.wait_idle_main()
        with open(saved, encoding="utf-8") as f:
            text = f.read()
        self.assertIn("visits=false", text)
        self.assertIn("legs=true", text)
        again.exit_by_menu()

    def test_a_failed_save_is_told(self):
        folder = tempfile.mkdtemp(prefix="dvk-e2e-caller-")
        self.addCleanup(shutil.rmtree, folder, True)
        program, config = self.installed(folder)
        # A folder where the settings file should be: it cannot be written.
        os.makedirs(os.path.join(config, "dvk_caller.ini"))
        dvk = self.start(program)
        self.open_caller(dvk)
        dvk.key("Return")
        told = dvk.wait_state(lambda s: s.get("modal.text", "") != "", "the failed save")
        self.assertEqual(told["modal.text"],
                         "The caller's settings could not be saved. '"
                         + os.path.join(config, "dvk_caller.ini") + "' is a folder.")
        dvk.key("Return")
        dvk.wait_idle_main()
        dvk.exit_by_menu()

    def test_without_a_speech_engine_the_dialog_names_the_package_of_a_voice(self):
        dvk = Dvk(self.display, ini=caller_ini())
        with open(dvk.path("qt.conf"), "w", encoding="utf-8") as f:
            f.write(f"[Paths]\nPlugins={qt_plugins_without_speech(dvk.folder)}\n")
        self.start(dvk)
        self.open_caller(dvk)
        dvk.key("alt+t")  # Try
        told = dvk.wait_state(lambda s: s.get("modal.text", "") != "", "the Try button's answer")
        self.assertEqual(told["modal.text"], NO_VOICE)
        dvk.key("Return")
        dvk.wait_state(lambda s: s.get("modal.text", "") == "" and s["modal"] != "",
                       "the caller's dialog again")
        dvk.key("Escape")
        dvk.wait_idle_main()
        dvk.exit_by_menu()


if __name__ == "__main__":
    main()
