#!/usr/bin/env python3
"""Latency of the Broadcast room: from Enter pressed in dvk to the state message arriving at a
WebSocket client on loopback, and to the scoreboard page in headless Chromium showing it.

    DVK_BINARY=build/dvk DVK_INSPECT=build/tools/dvk-inspect python3 bench/broadcast_latency.py [VISITS]

dvk runs under its own Xvfb with openbox; the Enter key goes through the X server with xdotool.
The start time is taken just before xdotool is started, so every figure includes starting
xdotool and the X server delivering the key; the last line measures what starting xdotool alone
costs (a query that sends no key), to be subtracted by the reader. A thread reads the WebSocket
and stamps each state as it arrives.
"""

import os
import platform
import json
import statistics
import subprocess
import sys
import threading
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "e2e"))

from broadcast_support import Browser, WebSocket, broadcast_ini, free_port, wait_server  # noqa: E402
from dvk_e2e import Display, Dvk, wait_until  # noqa: E402

RECORD_UPDATES = """
window.dvkTimes = [];
for (const id of ['p0-left', 'p1-left']) {
  new MutationObserver(() => dvkTimes.push(performance.timeOrigin + performance.now()))
    .observe(document.getElementById(id), {childList: true, characterData: true, subtree: true});
}
"""


def summary(name, values):
    values = sorted(values)
    p95 = values[min(len(values) - 1, int(round(0.95 * (len(values) - 1))))]
    return (f"{name:<34} median {statistics.median(values):6.1f} ms   p95 {p95:6.1f} ms   "
            f"max {values[-1]:6.1f} ms")


def main():
    visits = int(sys.argv[1]) if len(sys.argv) > 1 else 30
    display = Display()
    port = free_port()
    dvk = Dvk(display, ini=broadcast_ini(port))
    browser = None
    try:
        dvk.start()
        dvk.wait_window("^Game Option$")
        dvk.wait_state(lambda s: s["modal"] != "", "the game option dialog")
        dvk.key("Return")
        dvk.wait_idle_main()
        wait_server(port)
        client = WebSocket(port)
        client.wait_state(lambda s: True, "the first state")
        arrivals = []

        def read_states():
            try:
                while True:
                    text = client.receive(3600)
                    if text is not None:
                        arrivals.append((time.time(), json.loads(text)))
            except Exception:  # the socket closes at the end
                pass
        threading.Thread(target=read_states, daemon=True).start()
        browser = Browser(f"http://127.0.0.1:{port}/")
        wait_until(lambda: browser.text("p0-left") == "501", "the scoreboard")
        browser.evaluate(RECORD_UPDATES)

        to_server, to_page, xdotool_run, xdotool_start = [], [], [], []
        left = [501, 501]
        for i in range(visits):
            player = i % 2
            points = 3 if left[player] > 200 else 0
            left[player] -= points
            dvk.type(str(points))
            dvk.wait_keyboard_focus()
            seen = browser.evaluate("dvkTimes.length")
            start = time.time()
            subprocess.run(["xdotool", "key", "Return"], env={**os.environ, "DISPLAY": display.name},
                           check=True)
            sent = time.time()

            def arrived(p=player, v=left[player]):
                return next((t for t, s in list(arrivals) if t >= start
                             and s["players"][p]["left"] == v and s["throw"] == 1 - p), None)
            received = wait_until(arrived, f"visit {i} at the client")
            wait_until(lambda: browser.evaluate("dvkTimes.length") > seen, f"page update {i}")
            shown = browser.evaluate(f"dvkTimes[{seen}]") / 1000.0
            to_server.append((received - start) * 1000)
            to_page.append((shown - start) * 1000)
            xdotool_run.append((sent - start) * 1000)
            begin = time.time()
            subprocess.run(["xdotool", "getdisplaygeometry"], env={**os.environ, "DISPLAY": display.name},
                           check=True, capture_output=True)
            xdotool_start.append((time.time() - begin) * 1000)

        print(f"dvk Broadcast latency, {visits} visits typed into dvk, Enter by xdotool")
        print(f"conditions: {platform.node()}, {os.cpu_count()} cores, load average "
              f"{os.getloadavg()[0]:.1f} at the end, Xvfb + openbox, loopback, "
              f"{subprocess.run(['/usr/bin/chromium', '--version'], capture_output=True, text=True).stdout.strip()} headless")
        print(summary("Enter -> state at WebSocket client", to_server))
        print(summary("Enter -> scoreboard page updated", to_page))
        print(summary("xdotool key Return, whole run", xdotool_run))
        print(summary("xdotool alone, no key (baseline)", xdotool_start))
    finally:
        if browser is not None:
            browser.close()
        dvk.cleanup()
        display.close()


if __name__ == "__main__":
    main()
