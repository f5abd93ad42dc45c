"""The real program keeps its files beside itself when its settings are there or --portable is
given, without being told by the environment. (An installed program keeping them in the user's
folders is tests/install/test_run.py.)"""

import os
import shutil
import stat
import tempfile

from dvk_e2e import DVK, Dvk, E2ETestCase, ini_text, main


class UndirectedDvk(Dvk):
    """A copy of the program started without DVK_FOLDERS."""

    folders = None


class FolderRules(E2ETestCase):

    def run_a_visit_and_exit(self, folder, ini=None):
        dvk = UndirectedDvk(self.display, folder=folder, ini=ini)
        self.programs.append(dvk)
        dvk.start()
        dvk.wait_window("^Game Option$")
        dvk.wait_state(lambda s: s["modal"] != "", "the game option dialog to be active")
        dvk.key("Return")
        dvk.wait_idle_main()
        self.enter_visit(dvk, 60)
        dvk.exit_by_menu()
        return dvk

    def program_folder(self):
        folder = tempfile.mkdtemp(prefix="dvk-e2e-folders-")
        self.addCleanup(shutil.rmtree, folder, True)
        return folder

    def beside(self, dvk):
        return sorted(n for n in os.listdir(dvk.folder)
                      if n in ("dvk.ini", "dvk.tmp", "data"))

    def test_settings_beside_it_keep_the_program_portable(self):
        dvk = self.run_a_visit_and_exit(self.program_folder(),
                                        ini_text({"game": {"p1_name": "Ines Varga"}}))
        self.assertEqual(self.beside(dvk), ["dvk.ini", "dvk.tmp"])
        with open(dvk.path("dvk.ini"), encoding="utf-8") as f:
            self.assertIn("name_list_0=\"Ines Varga\"", f.read())
        self.assertFalse(os.path.exists(os.path.join(dvk.path("home"), ".config")))

    def test_portable_option_keeps_the_files_beside_the_program(self):
        folder = self.program_folder()
        real = os.path.join(folder, "dvk-program")
        shutil.copy2(DVK, real)
        wrapper = os.path.join(folder, "dvk")
        with open(wrapper, "w", encoding="utf-8") as f:
            f.write(f'#!/bin/sh\nexec "{real}" --portable\n')
        os.chmod(wrapper, os.stat(wrapper).st_mode | stat.S_IXUSR)
        dvk = self.run_a_visit_and_exit(folder)
        self.assertEqual(self.beside(dvk), ["dvk.ini", "dvk.tmp"])
        self.assertFalse(os.path.exists(os.path.join(dvk.path("home"), ".config")))


if __name__ == "__main__":
    main()
