"""The Debian package of scripts/package.sh: its control fields and dependencies, its files (the
same sound tree as `cmake --install`), an installation into a scratch root and its removal
without leftovers, and apt's view of whether it can be installed here."""

import os
import re
import shutil
import subprocess
import tempfile
import unittest

from installed_tree import check_tree, files_under

SOURCE_DIR = os.environ.get("DVK_SOURCE_DIR", "")
BUILD_DIR = os.environ.get("DVK_BUILD_DIR", "")


def run(args, **kwargs):
    result = subprocess.run(args, capture_output=True, text=True, timeout=600, **kwargs)
    if result.returncode != 0:
        raise AssertionError(f"{' '.join(args)} failed:\n{result.stdout}{result.stderr}")
    return result.stdout


class DebianPackage(unittest.TestCase):

    @classmethod
    def setUpClass(cls):
        cls.work = tempfile.mkdtemp(prefix="dvk-package-")
        out = os.path.join(cls.work, "dist")
        # The build is done before the tests run; package what it made.
        run([os.path.join(SOURCE_DIR, "scripts/package.sh")],
            env={**os.environ, "DVK_BUILD_DIR": BUILD_DIR, "DVK_PACKAGE_DIR": out,
                 "DVK_PACKAGE_NO_BUILD": "1"})
        packages = [n for n in os.listdir(out) if n.endswith(".deb")]
        architecture = run(["dpkg", "--print-architecture"]).strip()
        if packages != [f"dvk_0.2.6_{architecture}.deb"]:
            raise AssertionError(f"package.sh made {os.listdir(out)}")
        cls.package = os.path.join(out, packages[0])
        cls.architecture = architecture

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.work, ignore_errors=True)

    def field(self, name):
        return run(["dpkg-deb", "--field", self.package, name]).strip()

    def test_control_fields_and_dependencies(self):
        info = run(["dpkg-deb", "--info", self.package])
        self.assertIn("Package: dvk", info)
        self.assertEqual(self.field("Version"), "0.2.6")
        self.assertEqual(self.field("Architecture"), self.architecture)
        self.assertEqual(self.field("Section"), "games")
        depends = [d.strip() for d in self.field("Depends").split(",")]
        names = {re.match(r"[a-z0-9.+-]+", d).group(0) for d in depends}
        # dpkg-shlibdeps found the libraries dvk links, with their minimal versions.
        for library in ("libc6", "libstdc++6", "libqt6core6", "libqt6gui6", "libqt6widgets6"):
            self.assertIn(library, names, depends)
        self.assertTrue(any(re.match(r"libqt6widgets6 \(>= 6\.", d) for d in depends), depends)
        self.assertIn("fonts-liberation", self.field("Recommends"))
        # The caller plug-in is silent without a speech engine.
        self.assertIn("qt6-speech-flite-plugin", self.field("Suggests"))

    def test_files_are_the_installed_tree(self):
        unpacked = os.path.join(self.work, "unpacked")
        run(["dpkg-deb", "--extract", self.package, unpacked])
        self.assertEqual(os.listdir(unpacked), ["usr"])
        check_tree(self, os.path.join(unpacked, "usr"), prefix="/usr")
        listed = run(["dpkg-deb", "--contents", self.package])
        for line in listed.splitlines():
            self.assertRegex(line, r"^[-d]rw[-x]r-[-x]r-[-x] root/root ", line)

    def test_installs_into_a_scratch_root_and_is_removed_without_leftovers(self):
        root = os.path.join(self.work, "root")
        admin = os.path.join(root, "var/lib/dpkg")
        for folder in ("info", "updates", "triggers"):
            os.makedirs(os.path.join(admin, folder))
        for name in ("status", "available"):
            open(os.path.join(admin, name), "w").close()
        before = set(files_under(root))
        # The libraries it depends on live in the real system, not in the scratch root; a user
        # other than root installs under fakeroot.
        dpkg = ["dpkg", f"--root={root}", "--log=/dev/null", "--force-depends",
                "--force-not-root", "--force-script-chrootless"]
        if os.geteuid() != 0:
            dpkg.insert(0, "fakeroot")
        run(dpkg + ["--install", self.package])
        status = run(["dpkg-query", f"--admindir={admin}", "--show",
                      "--showformat=${Status} ${Version}", "dvk"])
        self.assertEqual(status, "install ok installed 0.2.6")
        self.assertTrue(os.path.isfile(os.path.join(root, "usr/bin/dvk")))
        listed = run(["dpkg-query", f"--admindir={admin}", "--listfiles", "dvk"])
        self.assertIn("/usr/share/applications/", listed)

        run(dpkg + ["--purge", "dvk"])
        left = {f for f in set(files_under(root)) - before
                if not f.startswith("var/lib/dpkg/")}
        self.assertEqual(left, set())
        self.assertEqual(os.listdir(os.path.join(root, "usr")) if os.path.isdir(
            os.path.join(root, "usr")) else [], [])

    def test_apt_can_resolve_its_dependencies_here(self):
        result = subprocess.run(["apt-get", "install", "--simulate", "--no-install-recommends",
                                 self.package], capture_output=True, text=True, timeout=300)
        self.assertEqual(result.returncode, 0, result.stdout + result.stderr)
        self.assertRegex(result.stdout, r"(?m)^Inst dvk ")


if __name__ == "__main__":
    unittest.main(verbosity=2)
