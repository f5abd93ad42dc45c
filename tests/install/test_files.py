"""`cmake --install` into a temporary prefix puts every file in its place, and each one is sound:
the launcher and the AppStream metadata pass their validators, the icons have their sizes, the
manual pages format without warnings and the guide has no dead links."""

import unittest

from install_prefix import InstalledPrefix
from installed_tree import check_tree


class InstalledFiles(unittest.TestCase):

    def setUp(self):
        self.installed = InstalledPrefix()

    def tearDown(self):
        self.installed.remove()

    def test_every_installed_file_is_expected_and_sound(self):
        check_tree(self, self.installed.prefix)


if __name__ == "__main__":
    unittest.main(verbosity=2)
