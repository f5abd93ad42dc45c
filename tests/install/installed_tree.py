"""Checks of an installed dvk tree, shared by the install test and the package test.

`check_tree(test, root)` looks at every file under `root` (an installation prefix: bin/,
share/, ...) and fails `test` on a file nobody expects, on a missing file, and on a file that
is broken: launcher and AppStream metadata through their validators, icons of the wrong size,
manual pages with troff warnings, guide pages with dead links or unfilled placeholders, Japanese
text with a space where its source line broke, Debian copyright files and changelogs that are
not in Debian's formats, the plug-in header when it does not compile.
"""

import gzip
import html.parser
import os
import re
import struct
import subprocess
import xml.etree.ElementTree as ElementTree

APP_ID = os.environ.get("DVK_APP_ID", "io.github.dvk.dvk")
ICON_SIZES = (16, 22, 24, 32, 48, 64, 128, 256, 512)
GUIDE_LANGUAGES = ("en", "ja")
# The Debian packages, each with its documentation folder under share/doc/.
PACKAGES = ("dvk", "dvk-caller", "dvk-dev")
DEBIAN_VERSION = os.environ.get("DVK_DEBIAN_VERSION", "0.2.6-1")
# A line break between two characters of Japanese text, which a browser or groff would show as
# a space (characters from the CJK punctuation block on, and the full-width forms).
JAPANESE_BREAK = re.compile(r"[\u3000-\u9fff\uff00-\uffef]\n[\u3000-\u9fff\uff00-\uffef]")


def files_under(root):
    found = []
    for folder, _, names in os.walk(root):
        for name in names:
            found.append(os.path.relpath(os.path.join(folder, name), root))
    return sorted(found)


def fixed_files():
    """The files every installation has, by their path under the prefix."""
    files = {
        "games/dvk",
        f"share/applications/{APP_ID}.desktop",
        f"share/metainfo/{APP_ID}.metainfo.xml",
        f"share/icons/hicolor/scalable/apps/{APP_ID}.svg",
        "share/man/man6/dvk.6.gz",
        "share/man/ja/man6/dvk.6.gz",
    }
    for package in PACKAGES:
        files.add(f"share/doc/{package}/copyright")
        files.add(f"share/doc/{package}/changelog.Debian.gz")
    for size in ICON_SIZES:
        files.add(f"share/icons/hicolor/{size}x{size}/apps/{APP_ID}.png")
    for language in GUIDE_LANGUAGES:
        files.add(f"share/dvk/guide/{language}/index.html")
        files.add(f"share/dvk/guide/{language}/guide.css")
    return files


# Files whose number depends on the guide's pictures and on the plug-in interface's sources.
OPTIONAL_FILES = (
    re.compile(r"^share/dvk/guide/(en|ja)/pictures/[A-Za-z0-9_]+\.png$"),
    re.compile(r"^include/dvk/[A-Za-z0-9_]+\.h$"),
    re.compile(r"^lib/dvk/plugins/[^/]+\.dvk$"),
    re.compile(r"^share/doc/dvk-dev/examples/.+$"),
)


def png_size(path):
    with open(path, "rb") as f:
        head = f.read(24)
    if head[:8] != b"\x89PNG\r\n\x1a\n" or head[12:16] != b"IHDR":
        return None
    return struct.unpack(">II", head[16:24])


class GuideLinks(html.parser.HTMLParser):
    """Collects the local links and pictures of a page and its language."""

    def __init__(self):
        super().__init__()
        self.targets = []
        self.language = None
        self.tables = []  # rows of each table body
        self.in_body = False

    def handle_starttag(self, tag, attrs):
        attributes = dict(attrs)
        if tag == "html":
            self.language = attributes.get("lang")
        for name in ("href", "src"):
            value = attributes.get(name)
            if value and not re.match(r"^[a-z]+:|^#", value):
                self.targets.append(value.split("#")[0])
        if tag == "tr" and self.in_body:
            self.tables[-1] += 1
        if tag == "tbody":
            self.tables.append(0)
            self.in_body = True

    def handle_endtag(self, tag):
        if tag == "tbody":
            self.in_body = False


def run(args, **kwargs):
    return subprocess.run(args, capture_output=True, text=True, timeout=120, **kwargs)


def check_tree(test, root, prefix=None):
    """`prefix` is where the tree is meant to live, when it is unpacked elsewhere."""
    present = files_under(root)
    expected = fixed_files()
    unexpected = [f for f in present
                  if f not in expected and not any(p.match(f) for p in OPTIONAL_FILES)]
    test.assertEqual(unexpected, [], "files nobody expects")
    test.assertEqual(sorted(expected - set(present)), [], "missing files")

    check_program(test, root)
    check_launcher(test, root)
    check_metadata(test, root)
    check_icons(test, root)
    check_manual_pages(test, root, prefix or root)
    for language in GUIDE_LANGUAGES:
        check_guide(test, root, language)
    check_plugin_interface(test, root, present)
    for package in PACKAGES:
        check_debian_documents(test, os.path.join(root, "share/doc", package))


def check_program(test, root):
    program = os.path.join(root, "games/dvk")
    with open(program, "rb") as f:
        test.assertEqual(f.read(4), b"\x7fELF")
    test.assertTrue(os.access(program, os.X_OK))
    test.assertEqual(os.stat(program).st_mode & 0o777, 0o755)


def check_launcher(test, root):
    launcher = os.path.join(root, f"share/applications/{APP_ID}.desktop")
    result = run(["desktop-file-validate", launcher])
    test.assertEqual((result.returncode, result.stdout + result.stderr), (0, ""))
    with open(launcher, encoding="utf-8") as f:
        keys = dict(line.split("=", 1) for line in f.read().splitlines() if "=" in line)
    test.assertEqual(keys["Exec"], "dvk")
    test.assertEqual(keys["Icon"], APP_ID)
    test.assertIn("Game", keys["Categories"].split(";"))
    test.assertEqual(keys["StartupWMClass"], "dvk")


def check_metadata(test, root):
    metadata = os.path.join(root, f"share/metainfo/{APP_ID}.metainfo.xml")
    result = run(["appstreamcli", "validate", "--no-net", "--pedantic", metadata])
    test.assertEqual(result.returncode, 0, result.stdout + result.stderr)
    component = ElementTree.parse(metadata).getroot()
    test.assertEqual(component.findtext("id"), APP_ID)
    test.assertEqual(component.find("launchable").text, f"{APP_ID}.desktop")
    test.assertEqual(component.find("provides/binary").text, "dvk")


def check_icons(test, root):
    for size in ICON_SIZES:
        path = os.path.join(root, f"share/icons/hicolor/{size}x{size}/apps/{APP_ID}.png")
        test.assertEqual(png_size(path), (size, size), path)
    drawing = ElementTree.parse(
        os.path.join(root, f"share/icons/hicolor/scalable/apps/{APP_ID}.svg")).getroot()
    test.assertEqual(drawing.tag, "{http://www.w3.org/2000/svg}svg")
    test.assertEqual(drawing.get("viewBox"), "0 0 256 256")


def check_manual_pages(test, root, prefix):
    guide = os.path.join(prefix, "share/dvk/guide")
    for page, language in (("share/man/man6/dvk.6.gz", "en"), ("share/man/ja/man6/dvk.6.gz", "ja")):
        with gzip.open(os.path.join(root, page), "rt", encoding="utf-8") as f:
            text = f.read()
        test.assertTrue(text.startswith(".TH DVK 6 "), page)
        test.assertNotIn("@", text, page)
        # Lines of Japanese text are joined with \c; a plain break would print a space. A
        # heading ends its line anyway.
        lines = text.splitlines()
        for line, following in zip(lines, lines[1:]):
            if not re.match(r"\.(SH|SS|TP|PP|IP)\b", line):
                test.assertIsNone(JAPANESE_BREAK.search(line[-1:] + "\n" + following[:1]),
                                  f"{page}: {line!r} then {following!r}")
        # The guide the page names is the one installed beside it.
        named = re.findall(r"(/\S+/guide/(en|ja)/index\.html)", text)
        test.assertTrue(named, page)
        for path, _ in named:
            test.assertEqual(os.path.normpath(path),
                             os.path.normpath(os.path.join(guide, language, "index.html")))
        result = run(["groff", "-k", "-man", "-ww", "-z", "-Tutf8"], input=text,
                     env={**os.environ, "LC_ALL": "C.UTF-8"})
        test.assertEqual((result.returncode, result.stderr), (0, ""), page)


def check_guide(test, root, language):
    folder = os.path.join(root, "share/dvk/guide", language)
    page = os.path.join(folder, "index.html")
    with open(page, encoding="utf-8") as f:
        text = f.read()
    test.assertNotRegex(text, r"@DVK_[A-Z_]+@")
    found = JAPANESE_BREAK.search(re.sub(r"<(b|i|span|code|kbd|a|em)\b[^>]*>|</(b|i|span|code|kbd|a|em)>",
                                         "", text))
    test.assertIsNone(found, f"{language}: a line break inside Japanese text")
    links = GuideLinks()
    links.feed(text)
    test.assertEqual(links.language, language)
    pictures = [t for t in links.targets if t.startswith("pictures/")]
    test.assertGreater(len(pictures), 5, "the guide shows the program")
    for target in links.targets:
        path = os.path.normpath(os.path.join(folder, target))
        test.assertTrue(os.path.isfile(path), f"{language}: dead link {target}")
        if target.endswith(".png"):
            test.assertIsNotNone(png_size(path), target)
    # The levels table of the computer opponent holds the twelve levels dvk-sim measured.
    test.assertIn(12, links.tables, "the table of the computer's levels")
    for name in os.listdir(os.path.join(folder, "pictures")):
        test.assertIn("pictures/" + name, pictures, f"{language}: picture shown nowhere")


def check_plugin_interface(test, root, present):
    for header in (f for f in present if f.startswith("include/")):
        result = run(["cc", "-fsyntax-only", "-Wall", "-Werror", "-x", "c",
                      "-I", os.path.join(root, "include"), os.path.join(root, header)])
        test.assertEqual(result.returncode, 0, header + "\n" + result.stderr)
    for plugin in (f for f in present if f.endswith(".dvk")):
        with open(os.path.join(root, plugin), "rb") as f:
            test.assertEqual(f.read(4), b"\x7fELF", plugin)


def check_debian_documents(test, folder):
    """The copyright file in Debian's machine-readable format and the changelog, compressed
    without a name or time so that the package is the same at every build."""
    with open(os.path.join(folder, "copyright"), encoding="utf-8") as f:
        copyright_text = f.read()
    test.assertTrue(copyright_text.startswith(
        "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"))
    test.assertRegex(copyright_text, r"(?m)^Files: \*\nCopyright: .+\nLicense: \S+")
    test.assertNotIn("@", copyright_text.replace("@dvk-darts.org", ""))
    changelog = os.path.join(folder, "changelog.Debian.gz")
    with open(changelog, "rb") as f:
        head = f.read(10)
    test.assertEqual(head[:3], b"\x1f\x8b\x08")
    test.assertEqual((head[3], head[4:8]), (0, b"\0\0\0\0"), "gzip with a name or a time")
    parsed = run(["dpkg-parsechangelog", "-l", changelog, "-S", "Version"])
    test.assertEqual((parsed.returncode, parsed.stdout.strip()), (0, DEBIAN_VERSION),
                     parsed.stderr)
