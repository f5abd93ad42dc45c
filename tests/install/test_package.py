"""The Debian packages of scripts/package.sh: their control fields and dependencies, lintian's
verdict, their files (together the same sound tree as `cmake --install`, each package with its
own part), a second build that gives the same bytes, an installation into a scratch root and
its removal without leftovers, and apt's view of whether they can be installed here."""

import hashlib
import os
import re
import shutil
import subprocess
import tempfile
import unittest

from installed_tree import check_tree, files_under

SOURCE_DIR = os.environ.get("DVK_SOURCE_DIR", "")
BUILD_DIR = os.environ.get("DVK_BUILD_DIR", "")
VERSION = os.environ.get("DVK_DEBIAN_VERSION", "0.2.6-1")
MAINTAINER = os.environ.get("DVK_MAINTAINER", "")
HOMEPAGE = os.environ.get("DVK_HOMEPAGE", "")
PACKAGES = ("dvk", "dvk-caller", "dvk-dev")


def run(args, **kwargs):
    result = subprocess.run(args, capture_output=True, text=True, timeout=600, **kwargs)
    if result.returncode != 0:
        raise AssertionError(f"{' '.join(args)} failed:\n{result.stdout}{result.stderr}")
    return result.stdout


def make_packages(out):
    """Runs package.sh on the finished build; the package files by package name."""
    run([os.path.join(SOURCE_DIR, "scripts/package.sh")],
        env={**os.environ, "DVK_BUILD_DIR": BUILD_DIR, "DVK_PACKAGE_DIR": out,
             "DVK_PACKAGE_NO_BUILD": "1"})
    return {name.split("_")[0]: os.path.join(out, name)
            for name in os.listdir(out) if name.endswith(".deb")}


def digest(path):
    with open(path, "rb") as f:
        return hashlib.sha256(f.read()).hexdigest()


class DebianPackages(unittest.TestCase):

    @classmethod
    def setUpClass(cls):
        cls.work = tempfile.mkdtemp(prefix="dvk-package-")
        cls.packages = make_packages(os.path.join(cls.work, "dist"))
        cls.architecture = run(["dpkg", "--print-architecture"]).strip()
        names = sorted(os.path.basename(p) for p in cls.packages.values())
        expected = sorted(f"{p}_{VERSION}_{cls.architecture}.deb" for p in PACKAGES)
        if names != expected:
            raise AssertionError(f"package.sh made {names}, not {expected}")

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.work, ignore_errors=True)

    def field(self, package, name):
        return run(["dpkg-deb", "--field", self.packages[package], name]).strip()

    def dependencies(self, package, field="Depends"):
        return [d.strip() for d in self.field(package, field).split(",") if d.strip()]

    def test_control_fields(self):
        for package in PACKAGES:
            with self.subTest(package=package):
                self.assertEqual(self.field(package, "Package"), package)
                self.assertEqual(self.field(package, "Version"), VERSION)
                self.assertEqual(self.field(package, "Architecture"), self.architecture)
                self.assertEqual(self.field(package, "Maintainer"), MAINTAINER)
                self.assertEqual(self.field(package, "Homepage"), HOMEPAGE)
                self.assertEqual(self.field(package, "Section"),
                                 "devel" if package == "dvk-dev" else "games")
                description = self.field(package, "Description").splitlines()
                self.assertGreater(len(description), 2)
                self.assertLessEqual(max(len(line) for line in description), 80, description)

    def test_dependencies(self):
        depends = self.dependencies("dvk")
        names = {re.match(r"[a-z0-9.+-]+", d).group(0) for d in depends}
        # dpkg-shlibdeps found the libraries dvk links, with their minimal versions; the X11
        # platform plug-in is no library of dvk's and is named by hand.
        for library in ("libc6", "libstdc++6", "libqt6core6", "libqt6gui6", "libqt6widgets6",
                        "qt6-qpa-plugins"):
            self.assertIn(library, names, depends)
        self.assertTrue(any(re.match(r"libqt6widgets6 \(>= 6\.", d) for d in depends), depends)
        self.assertIn("fonts-liberation", self.field("dvk", "Recommends"))
        # Installing the caller installs its voice, and the dvk it was built with.
        caller = self.dependencies("dvk-caller")
        self.assertIn("qt6-speech-flite-plugin", caller)
        self.assertIn(f"dvk (= {VERSION})", caller)
        self.assertTrue(any(d.startswith("libqt6texttospeech6") for d in caller), caller)

    def test_lintian_finds_no_errors(self):
        result = subprocess.run(
            ["lintian", "--fail-on", "error", "--no-tag-display-limit", "--display-info",
             *self.packages.values()], capture_output=True, text=True, timeout=600)
        # What lintian still says, for the record of the build.
        print("\nlintian:\n" + (result.stdout or "(nothing)\n"), end="")
        errors = [line for line in result.stdout.splitlines() if line.startswith("E:")]
        self.assertEqual(errors, [])
        self.assertEqual(result.returncode, 0, result.stdout + result.stderr)

    def test_files_are_the_installed_tree_split_by_use(self):
        unpacked = os.path.join(self.work, "unpacked")
        contents = {}
        for package, path in self.packages.items():
            run(["dpkg-deb", "--extract", path, unpacked])
            listed = run(["dpkg-deb", "--contents", path])
            for line in listed.splitlines():
                self.assertRegex(line, r"^[-d]rw[-x]r-[-x]r-[-x] root/root ", line)
            contents[package] = {line.split()[-1].lstrip(".") for line in listed.splitlines()
                                 if not line.startswith("d")}
        self.assertEqual(os.listdir(unpacked), ["usr"])
        check_tree(self, os.path.join(unpacked, "usr"), prefix="/usr")
        self.assertIn("/usr/games/dvk", contents["dvk"])
        self.assertEqual(contents["dvk-caller"], {
            "/usr/lib/dvk/plugins/caller.dvk", "/usr/share/doc/dvk-caller/copyright",
            "/usr/share/doc/dvk-caller/changelog.Debian.gz"})
        self.assertIn("/usr/include/dvk/plugin.h", contents["dvk-dev"])
        self.assertIn("/usr/lib/dvk/plugins/minimal.dvk", contents["dvk-dev"])
        self.assertFalse(any(f.startswith(("/usr/include/", "/usr/lib/"))
                             for f in contents["dvk"]), contents["dvk"])

    def test_a_second_build_gives_the_same_packages(self):
        again = make_packages(os.path.join(self.work, "again"))
        for package in PACKAGES:
            self.assertEqual(digest(again[package]), digest(self.packages[package]), package)
        # Nothing the packages hold names the folders dvk was built in. Only a normal build maps
        # them away: a sanitized one is built for the tests and never shipped.
        if os.environ.get("DVK_SANITIZED_BUILD") == "1":
            return
        unpacked = os.path.join(self.work, "unpacked-paths")
        for path in self.packages.values():
            run(["dpkg-deb", "--extract", path, unpacked])
        folders = {os.path.realpath(f).encode() for f in (SOURCE_DIR, BUILD_DIR)}
        for name in files_under(unpacked):
            with open(os.path.join(unpacked, name), "rb") as f:
                data = f.read()
            for folder in folders:
                self.assertNotIn(folder, data, name)

    def test_install_into_a_scratch_root_and_removal_without_leftovers(self):
        root = os.path.join(self.work, "root")
        admin = os.path.join(root, "var/lib/dpkg")
        for folder in ("info", "updates", "triggers"):
            os.makedirs(os.path.join(admin, folder))
        for name in ("status", "available"):
            open(os.path.join(admin, name), "w").close()
        before = set(files_under(root))
        # The libraries they depend on live in the real system, not in the scratch root; a user
        # other than root installs under fakeroot.
        dpkg = ["dpkg", f"--root={root}", "--log=/dev/null", "--force-depends",
                "--force-not-root", "--force-script-chrootless"]
        if os.geteuid() != 0:
            dpkg.insert(0, "fakeroot")
        run(dpkg + ["--install", *self.packages.values()])
        for package in PACKAGES:
            status = run(["dpkg-query", f"--admindir={admin}", "--show",
                          "--showformat=${Status} ${Version}", package])
            self.assertEqual(status, f"install ok installed {VERSION}")
        self.assertTrue(os.path.isfile(os.path.join(root, "usr/games/dvk")))
        listed = run(["dpkg-query", f"--admindir={admin}", "--listfiles", "dvk"])
        self.assertIn("/usr/share/applications/", listed)

        run(dpkg + ["--purge", *PACKAGES])
        left = {f for f in set(files_under(root)) - before
                if not f.startswith("var/lib/dpkg/")}
        self.assertEqual(left, set())
        self.assertEqual(os.listdir(os.path.join(root, "usr")) if os.path.isdir(
            os.path.join(root, "usr")) else [], [])

    def test_apt_can_resolve_their_dependencies_here(self):
        result = subprocess.run(["apt-get", "install", "--simulate", "--no-install-recommends",
                                 *self.packages.values()],
                                capture_output=True, text=True, timeout=300)
        self.assertEqual(result.returncode, 0, result.stdout + result.stderr)
        for package in PACKAGES:
            self.assertRegex(result.stdout, rf"(?m)^Inst {package} ")


if __name__ == "__main__":
    unittest.main(verbosity=2)
