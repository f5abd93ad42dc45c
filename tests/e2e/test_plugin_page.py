"""The Plug-in page of the Option dialog worked with real keys: a library added through the file
dialog by typing its path and confirmed reaches the Tools menu and dvk.ini; a row deleted and
cancelled stays, a row deleted and confirmed goes."""

import os

from dvk_e2e import E2ETestCase, main, wait_until

PLUGIN_DIR = os.environ.get("DVK_PLUGIN_DIR", "")


def ini_of(dvk):
    with open(dvk.path("dvk.ini"), encoding="utf-8") as f:
        return f.read()


class PluginPage(E2ETestCase):

    def open_plugin_page(self, dvk):
        dvk.menu("g", "o")
        dvk.wait_window("^Option$")
        dvk.wait_state(lambda s: s["modal"] == "OptionSheet", "the Option dialog to be active")
        dvk.key("ctrl+Tab", "ctrl+Tab", "ctrl+Tab")

    def close_option(self, dvk, key):
        dvk.key(key)
        dvk.wait_no_window("^Option$")
        return dvk.wait_idle_main()

    def test_a_library_added_by_its_path_reaches_the_tools_menu(self):
        library = os.path.join(PLUGIN_DIR, "minimal.dvk")
        if not os.path.isfile(library):
            self.fail("DVK_PLUGIN_DIR must name the built example plug-ins")
        dvk = self.start_game()
        self.assertEqual(dvk.state()["tools"], "")

        self.open_plugin_page(dvk)
        dvk.key("alt+a")  # "&Add..."
        dvk.wait_window("^Select Plug-in File$")
        dvk.wait_state(lambda s: s["modal"] == "OpenFileDialog", "the file dialog to be active")
        dvk.type(library)
        dvk.key("Return")
        dvk.wait_window("^Select Plug-in$")
        dvk.wait_state(lambda s: s["modal"] == "SelectPluginDialog",
                       "the Select Plug-in dialog to be active")
        dvk.key("Return")  # "OK" takes the function, selected as the dialog opened
        dvk.wait_no_window("^Select Plug-in$")
        dvk.wait_state(lambda s: s["modal"] == "OptionSheet", "the Option dialog again")
        state = self.close_option(dvk, "Return")

        self.assertEqual(state["tools"], "Show Scores")
        ini = ini_of(dvk)
        self.assertIn("[plugin]\ncount=1\n", ini)
        self.assertIn('title_0="Show Scores"', ini)
        self.assertIn(f'lib_file_path_0="{library}"', ini)
        self.assertIn('func_name_0="show_scores"', ini)

        # The library is loaded: its Tools item prints the scores.
        dvk.key("alt+t")
        dvk.wait_state(lambda s: s["popup"] == "menu:&Tools", "the Tools menu")
        dvk.key("Return")
        wait_until(lambda: "Player 1: 501 left" in dvk.output(), "the plug-in's report")
        dvk.wait_idle_main()

        # Deleted and cancelled, the entry stays loaded and saved.
        saved = ini_of(dvk)
        self.open_plugin_page(dvk)
        dvk.key("alt+d")  # "&Delete"
        dvk.wait_state(lambda s: s["modal"] == "MessageBox", "the question")
        dvk.key("Return")  # Yes
        dvk.wait_state(lambda s: s["modal"] == "OptionSheet", "the Option dialog again")
        state = self.close_option(dvk, "Escape")
        self.assertEqual(state["tools"], "Show Scores")
        self.assertEqual(ini_of(dvk), saved)

        # Deleted and confirmed, it goes from the menu and the settings.
        self.open_plugin_page(dvk)
        dvk.key("alt+d")
        dvk.wait_state(lambda s: s["modal"] == "MessageBox", "the question")
        dvk.key("Return")
        dvk.wait_state(lambda s: s["modal"] == "OptionSheet", "the Option dialog again")
        state = self.close_option(dvk, "Return")
        self.assertEqual(state["tools"], "")
        self.assertIn("[plugin]\ncount=0\n", ini_of(dvk))
        dvk.exit_by_menu()


if __name__ == "__main__":
    main()
