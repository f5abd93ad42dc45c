"""Installs the build into a temporary prefix with `cmake --install`."""

import os
import shutil
import subprocess
import tempfile

BUILD_DIR = os.environ.get("DVK_BUILD_DIR", "")
CMAKE = os.environ.get("DVK_CMAKE", "cmake")


class InstalledPrefix:
    """A temporary folder with dvk installed under `prefix`; removed by `remove`."""

    def __init__(self):
        if not BUILD_DIR:
            raise AssertionError("DVK_BUILD_DIR must name the build folder")
        self.root = tempfile.mkdtemp(prefix="dvk-install-")
        self.prefix = os.path.join(self.root, "prefix")
        result = subprocess.run([CMAKE, "--install", BUILD_DIR, "--prefix", self.prefix],
                                capture_output=True, text=True, timeout=300)
        if result.returncode != 0:
            self.remove()
            raise AssertionError("cmake --install failed:\n" + result.stdout + result.stderr)

    def path(self, *names):
        return os.path.join(self.prefix, *names)

    def remove(self):
        shutil.rmtree(self.root, ignore_errors=True)
