"""Game > dvk Online opens the configured page, or the user's guide, with the desktop's opener;
without a guide or with an unusable page it says so in an error box. A stand-in for xdg-open on
the PATH records what the program asked to open."""

import os
import shutil
import stat
import tempfile

from dvk_e2e import APP_TITLE, E2ETestCase, ini_text, main, wait_until

GUIDE = os.path.join(os.path.dirname(os.environ.get("DVK_BINARY", "")), "guide")


class OnlinePage(E2ETestCase):

    def setUp(self):
        super().setUp()
        self.opener_dir = tempfile.mkdtemp(prefix="dvk-opener-")
        self.opened = os.path.join(self.opener_dir, "opened.txt")
        opener = os.path.join(self.opener_dir, "xdg-open")
        with open(opener, "w", encoding="utf-8") as f:
            f.write(f'#!/bin/sh\nprintf "%s\\n" "$@" >> "{self.opened}"\n')
        os.chmod(opener, os.stat(opener).st_mode | stat.S_IXUSR)
        self.saved_path = os.environ["PATH"]
        os.environ["PATH"] = self.opener_dir + os.pathsep + self.saved_path

    def tearDown(self):
        os.environ["PATH"] = self.saved_path
        super().tearDown()
        shutil.rmtree(self.opener_dir, ignore_errors=True)

    def open_online(self, ini):
        dvk = self.start_game(ini)
        dvk.menu("g", "l")
        return dvk

    def opened_addresses(self):
        def read():
            if not os.path.exists(self.opened):
                return None
            with open(self.opened, encoding="utf-8") as f:
                return f.read().split()

        return wait_until(read, "the opener to be started")

    def test_configured_page_is_opened(self):
        dvk = self.open_online(ini_text({"option": {"online_page": "https://example.org/darts"}}))
        self.assertEqual(self.opened_addresses(), ["https://example.org/darts"])
        dvk.wait_idle_main()
        dvk.exit_by_menu()
        with open(dvk.path("dvk.ini"), encoding="utf-8") as f:
            self.assertIn('online_page="https://example.org/darts"', f.read())

    def test_the_guide_beside_the_program_is_opened_by_default(self):
        self.assertTrue(os.path.isfile(os.path.join(GUIDE, "en", "index.html")), GUIDE)
        folder = tempfile.mkdtemp(prefix="dvk-e2e-guide-")
        self.addCleanup(shutil.rmtree, folder, True)
        shutil.copytree(GUIDE, os.path.join(folder, "guide"))
        dvk = self.launch(folder=folder)
        dvk.wait_window("^Game Option$")
        dvk.wait_state(lambda s: s["modal"] != "", "the game option dialog to be active")
        dvk.key("Return")
        dvk.wait_idle_main()
        dvk.menu("g", "l")
        self.assertEqual(self.opened_addresses(),
                         ["file://" + os.path.join(folder, "guide", "en", "index.html")])
        dvk.wait_idle_main()

    def test_missing_guide_and_unusable_pages_are_told(self):
        dvk = self.open_online(None)
        dvk.wait_window("^" + APP_TITLE + "$")
        dvk.key("Return")
        dvk.wait_idle_main()
        self.assertFalse(os.path.exists(self.opened))

        dvk.exit_by_menu()
        with open(dvk.path("dvk.ini"), encoding="utf-8") as f:
            ini = f.read()
        self.assertIn("\n[option]\nonline_page=\n", ini)
        with open(dvk.path("dvk.ini"), "w", encoding="utf-8") as f:
            f.write(ini.replace("\nonline_page=\n", '\nonline_page="ftp://example.org/"\n'))
        again = self.launch(folder=dvk.folder)
        again.wait_idle_main()
        again.menu("g", "l")
        again.wait_window("^" + APP_TITLE + "$")
        again.key("Return")
        again.wait_idle_main()
        self.assertFalse(os.path.exists(self.opened))


if __name__ == "__main__":
    main()
