"""Kill soak: plays real matches on a private X server and kills dvk with SIGKILL at many moments,
each time starting it again on the same folder. The game it continues must hold every visit the
screen had taken before the kill; a visit whose Enter was still on its way may be there or not,
but never with other points; a leg whose check-out dialog was open must still be open.

    python3 tests/e2e/kill_soak.py KILLS [SEED]        (scripts/kill-soak.sh runs it)

DVK_BINARY and DVK_INSPECT name the built programs (the script's defaults are build/dvk and
build/dvk-inspect). Not part of the test suite: it takes minutes.
"""

import os
import random
import shutil
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
os.environ.setdefault("DVK_BINARY", os.path.join(ROOT, "build", "dvk"))
os.environ.setdefault("DVK_INSPECT", os.path.join(ROOT, "build", "dvk-inspect"))
sys.path.insert(0, HERE)

import dvk_e2e  # noqa: E402  (after the environment it reads)
from dvk_e2e import entered_visits  # noqa: E402


class Soak:
    def __init__(self, seed):
        self.random = random.Random(seed)
        self.display = dvk_e2e.Display()
        self.folder = tempfile.mkdtemp(prefix="dvk-soak-")
        self.dvk = None
        self.kills = {}
        self.mismatches = []

    def close(self):
        if self.dvk is not None:
            self.dvk.stop()
        self.display.close()
        shutil.rmtree(self.folder, ignore_errors=True)

    def start(self, ini=None):
        if self.dvk is not None:
            self.dvk.stop()
        self.dvk = dvk_e2e.Dvk(self.display, folder=self.folder, ini=ini).start()
        return self.dvk

    def fresh_game(self):
        start_score = self.random.choice([101, 121, 170, 301])
        for name in os.listdir(self.folder):
            if name.startswith("dvk.tmp"):
                os.remove(os.path.join(self.folder, name))
        dvk = self.start(dvk_e2e.ini_text({"game": {"start_score": start_score}}))
        dvk.wait_window("^Game Option$")
        dvk.wait_state(lambda s: s["modal"] != "", "the game option dialog")
        dvk.key("Return")
        dvk.wait_no_window("^Game Option$")
        dvk.wait_idle_main()

    def saved(self):
        return entered_visits(self.dvk.recovery())

    def next_visit(self):
        """The points for the player to throw: a check-out when one dart can do it, else a
        visit that leaves a score that can still be finished."""
        state = self.dvk.wait_idle_main()
        player = int(state["list.input_cell"].split(",")[0])
        remaining = int(state[f"player{player}.remaining"])
        if remaining <= 40 and remaining % 2 == 0:
            return remaining, True
        points = self.random.randint(0, min(60, remaining - 2))
        if remaining - points == 1:
            points = 0
        return points, False

    def with_visit(self, visits, points, finishing):
        """The entered visits after the player to throw enters `points`."""
        state = self.dvk.state()
        player = int(state["list.input_cell"].split(",")[0])
        after = [[list(v) for v in leg] for leg in visits]
        after[-1][player].append(-1 if finishing else points)
        if finishing:
            after.append([[], []])
        return after

    def type_visit(self, points, finishing):
        """Types a visit and Enter; a check-out goes on to the game-shot box. Returns the input
        cell from before."""
        dvk = self.dvk
        before = dvk.state()["list.input_cell"]
        dvk.type(str(points))
        dvk.key("Return")
        if finishing:
            dvk.wait_window("^Check-Out$")
            dvk.key("1")
            dvk.wait_window("^Player [12]$")
        return before

    def play_visit(self, points, finishing):
        before = self.type_visit(points, finishing)
        if finishing:
            self.dvk.key("Return")
        self.dvk.wait_state(lambda s: s["modal"] == "" and s["list.input_cell"] != before,
                            "the visit to count")

    def kill_and_check(self, how, allowed):
        self.kills[how] = self.kills.get(how, 0) + 1
        self.dvk.kill9()
        self.start().wait_idle_main()
        restored = self.saved()
        if restored not in allowed:
            self.mismatches.append((how, restored, allowed))
            print(f"MISMATCH after a kill {how}:\n  restored {restored}\n  allowed  {allowed}")

    def one_kill(self):
        for _ in range(self.random.randint(0, 5)):
            self.play_visit(*self.next_visit())
        visits = self.saved()
        points, finishing = self.next_visit()
        after = self.with_visit(visits, points, finishing)
        dvk = self.dvk
        if finishing:
            if self.random.random() < 0.5:
                dvk.type(str(points))
                dvk.key("Return")
                dvk.wait_window("^Check-Out$")
                self.kill_and_check("in the Check-Out dialog", [visits])
            else:
                self.type_visit(points, True)
                self.kill_and_check("in the game shot box", [visits])
            return
        cell = self.type_visit(points, False)
        how = self.random.choice(["at once after Enter", "shortly after Enter",
                                  "once the visit counted"])
        if how == "shortly after Enter":
            time.sleep(self.random.uniform(0.0, 0.2))
        elif how == "once the visit counted":
            dvk.wait_state(lambda s: s["list.input_cell"] != cell, "the visit to count")
            self.kill_and_check(how, [after])
            return
        self.kill_and_check(how, [visits, after])

    def run(self, kills):
        self.fresh_game()
        for number in range(kills):
            if number % 25 == 24:
                self.fresh_game()
            self.one_kill()
        total = sum(self.kills.values())
        print(f"{total} kill points, {len(self.mismatches)} mismatches")
        for how, count in sorted(self.kills.items()):
            print(f"  {count:4d} killed {how}")
        return not self.mismatches


def main():
    kills = int(sys.argv[1]) if len(sys.argv) > 1 else 110
    seed = int(sys.argv[2]) if len(sys.argv) > 2 else int(time.time())
    print(f"kill soak: {kills} kills, seed {seed}")
    soak = Soak(seed)
    try:
        ok = soak.run(kills)
    finally:
        soak.close()
    sys.exit(0 if ok else 1)


if __name__ == "__main__":
    main()
