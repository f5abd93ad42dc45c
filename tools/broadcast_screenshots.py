#!/usr/bin/env python3
"""Pictures of the Broadcast room's pages for the user's guide: the scoreboard, the stream
overlay and the keypad, taken by headless Chromium from dvk running under Xvfb in the middle
of a leg, in English and Japanese.

    DVK_BINARY=build/dvk DVK_INSPECT=build/tools/dvk-inspect python3 tools/broadcast_screenshots.py

The pictures go to doc/guide/pictures/<language>/broadcast_*.png, where the guide's build
takes the pictures the gallery does not render.
"""

import os
import re
import sys

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
sys.path.insert(0, os.path.join(ROOT, "tests", "e2e"))

from broadcast_support import Browser, broadcast_ini, free_port, wait_server  # noqa: E402
from dvk_e2e import Display, Dvk, wait_until  # noqa: E402

VISITS = (100, 85, 140, 60, 100, 45)


def enter(dvk, points):
    before = dvk.state()["list.input_cell"]
    dvk.type(str(points))
    dvk.key("Return")
    dvk.wait_state(lambda s: s["list.input_cell"] != before, f"the visit {points}")


def pairing_code(dvk):
    dvk.key("ctrl+b")
    state = dvk.wait_state(lambda s: s.get("modal") == "broadcast_dialog", "the dialog")
    dvk.key("Escape")
    dvk.wait_idle_main()
    return re.search(r"(\d{6})", state["broadcast.code"]).group(1)


def shoot(port, language, code, folder):
    board = Browser(f"http://127.0.0.1:{port}/?lang={language}", width=1280, height=720,
                    language=language)
    try:
        wait_until(lambda: board.text("p0-left") == str(501 - 340), "the scoreboard")
        board.screenshot(os.path.join(folder, "broadcast_scoreboard.png"))
        board.navigate(f"http://127.0.0.1:{port}/overlay?lang={language}")
        wait_until(lambda: board.text("p0-left") == str(501 - 340), "the overlay")
        # A stream's picture behind the transparent bar.
        board.evaluate("document.documentElement.style.background="
                       "'linear-gradient(135deg,#4a6b3a,#8a9a6a 60%,#c7b28a)'")
        board.call("Emulation.setDeviceMetricsOverride", width=640, height=240,
                   deviceScaleFactor=1, mobile=False)
        board.screenshot(os.path.join(folder, "broadcast_overlay.png"))
    finally:
        board.close()
    remote = Browser(f"http://127.0.0.1:{port}/remote?lang={language}", language=language)
    try:
        remote.emulate_phone()
        wait_until(lambda: remote.evaluate("!document.getElementById('pairing').hidden"),
                   "the pairing form")
        remote.evaluate(f"document.getElementById('pair-code').value='{code}'")
        remote.click("#pair-button")
        wait_until(lambda: remote.evaluate("!document.getElementById('pad').hidden"),
                   "the keypad to pair")
        wait_until(lambda: remote.text("left") == str(501 - 340), "the keypad")
        for key in "81":
            remote.click(f'#keys [data-key="{key}"]')
        remote.screenshot(os.path.join(folder, "broadcast_keypad.png"))
    finally:
        remote.close()


def main():
    display = Display()
    port = free_port()
    ini = broadcast_ini(port, {"game": {"p1_name": "Mika", "p2_name": "Jonas"}})
    dvk = Dvk(display, ini=ini)
    try:
        dvk.start()
        dvk.wait_window("^Game Option$")
        dvk.wait_state(lambda s: s["modal"] != "", "the game option dialog")
        dvk.key("Return")
        dvk.wait_idle_main()
        wait_server(port)
        for points in VISITS:
            enter(dvk, points)
        code = pairing_code(dvk)
        for language, folder in (("en-US", "en"), ("ja", "ja")):
            out = os.path.join(ROOT, "doc", "guide", "pictures", folder)
            os.makedirs(out, exist_ok=True)
            shoot(port, language, code, out)
            print("pictures in", out)
    finally:
        dvk.cleanup()
        display.close()


if __name__ == "__main__":
    main()
