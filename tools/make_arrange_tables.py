#!/usr/bin/env python3
"""Writes the two built-in tables, resources/arrange.txt and resources/arrange_com.txt.

The check-out table lists, for every finishable remaining score, the preferred way followed by
alternatives. The COM table gives the computer's target for each dart position of a visit; most
scores aim at the first dart of the preferred check-out, a few scores choose between weighted
strategies depending on whether the opponent can already finish (condition 1: opponent at 170 or
less, condition 2: above 170).

Run from the repository root: python3 tools/make_arrange_tables.py
"""

import itertools
import pathlib

PREFERRED = """
2 D1; 3 S1-D1; 4 D2; 5 S1-D2; 6 D3; 7 S3-D2; 8 D4; 9 S1-D4; 10 D5; 11 S3-D4; 12 D6; 13 S5-D4;
14 D7; 15 S7-D4; 16 D8; 17 S1-D8; 18 D9; 19 S3-D8; 20 D10; 21 S5-D8; 22 D11; 23 S7-D8; 24 D12;
25 S17-D4; 26 D13; 27 S19-D4; 28 D14; 29 S13-D8; 30 D15; 31 S15-D8; 32 D16; 33 S1-D16; 34 D17;
35 S3-D16; 36 D18; 37 S5-D16; 38 D19; 39 S7-D16; 40 D20; 41 S9-D16; 42 S10-D16; 43 S3-D20;
44 S12-D16; 45 S13-D16; 46 S6-D20; 47 S7-D20; 48 S16-D16; 49 S17-D16; 50 D25; 51 S19-D16;
52 S12-D20; 53 S13-D20; 54 S14-D20; 55 S15-D20; 56 S16-D20; 57 S17-D20; 58 S18-D20; 59 S19-D20;
60 S20-D20; 61 T15-D8; 62 T10-D16; 63 T17-D6; 64 T16-D8; 65 T19-D4; 66 T10-D18; 67 T17-D8;
68 T20-D4; 69 T19-D6; 70 T18-D8; 71 T13-D16; 72 T12-D18; 73 T19-D8; 74 T14-D16; 75 T17-D12;
76 T20-D8; 77 T19-D10; 78 T18-D12; 79 T13-D20; 80 T20-D10; 81 T15-D18; 82 D25-D16; 83 T17-D16;
84 T20-D12; 85 T15-D20; 86 T18-D16; 87 T17-D18; 88 T20-D14; 89 T19-D16; 90 T18-D18; 91 T17-D20;
92 T20-D16; 93 T19-D18; 94 T18-D20; 95 T19-D19; 96 T20-D18; 97 T19-D20; 98 T20-D19;
99 T19-S10-D16; 100 T20-D20; 101 T17-D25; 102 T20-S10-D16; 103 T20-S3-D20; 104 T18-D25;
105 T19-S16-D16; 106 T20-S6-D20; 107 T19-D25; 108 T20-S16-D16; 109 T20-S17-D16; 110 T20-D25;
111 T20-S19-D16; 112 T20-S12-D20; 113 T20-S13-D20; 114 T20-S14-D20; 115 T19-S18-D20;
116 T20-S16-D20; 117 T20-S17-D20; 118 T18-S14-D25; 119 S19-T20-D20; 120 T20-S20-D20;
121 T20-S11-D25; 122 T18-S18-D25; 123 T19-S16-D25; 124 T20-S14-D25; 125 T18-T13-D16;
126 T19-S19-D25; 127 T20-S17-D25; 128 S18-T20-D25; 129 T19-T12-D18; 130 T20-S20-D25;
131 T20-T13-D16; 132 T20-T12-D18; 133 T20-T19-D8; 134 T20-T14-D16; 135 S25-T20-D25;
136 T20-T20-D8; 137 T20-T19-D10; 138 T20-T18-D12; 139 T20-T13-D20; 140 T20-T20-D10;
141 T20-T15-D18; 142 T20-T14-D20; 143 T20-T17-D16; 144 T20-T20-D12; 145 T20-T15-D20;
146 T20-T18-D16; 147 T20-T17-D18; 148 T20-T20-D14; 149 T20-T19-D16; 150 T20-T18-D18;
151 T20-T17-D20; 152 T20-T20-D16; 153 T20-T19-D18; 154 T20-T18-D20; 155 T20-T19-D19;
156 T20-T20-D18; 157 T20-T19-D20; 158 T20-T20-D19; 160 T20-T20-D20; 161 T20-T17-D25;
164 T20-T18-D25; 167 T20-T19-D25; 170 T20-T20-D25
"""

CHECKOUT_ENTRIES = 417
COM_ENTRIES = 395

SINGLES = [f"S{n}" for n in range(1, 21)] + ["S25"]
DOUBLES = [f"D{n}" for n in range(1, 21)] + ["D25"]
TREBLES = [f"T{n}" for n in (8, 10, 12, 13, 14, 15, 16, 17, 18, 19, 20)]

# Doubles in the order a player would rather finish on.
DOUBLE_RANK = ["D20", "D16", "D18", "D10", "D8", "D12", "D25", "D19", "D17", "D14", "D15",
               "D13", "D11", "D9", "D6", "D4", "D5", "D7", "D3", "D2", "D1"]

# Ways a score is known for beyond its preferred one.
FIXED_ALTERNATIVES = {
    50: ["S25-S17-D4", "S25-S3-D11", "S18-D16", "S10-D20"],
}
FIXED_COUNTS = {108: 8, 170: 1}


def value(name):
    factor = {"S": 1, "D": 2, "T": 3}[name[0]]
    return factor * int(name[1:])


def preferred_ways():
    ways = {}
    for item in PREFERRED.replace("\n", " ").split(";"):
        score, way = item.split()
        ways[int(score)] = way.split("-")
    return ways


def dart_rank(name):
    """Lower is better for a dart that sets up the finish: big trebles, then big singles."""
    kind = name[0]
    if kind == "T":
        return 100 - value(name)
    if kind == "S":
        return 200 - value(name)
    return 300 - value(name)


def way_rank(way):
    return (len(way), DOUBLE_RANK.index(way[-1]), [dart_rank(d) for d in way[:-1]])


def all_ways(score):
    setup_darts = SINGLES + TREBLES + DOUBLES
    found = []
    for count in (0, 1, 2):
        for setup in itertools.product(setup_darts, repeat=count):
            rest = score - sum(value(d) for d in setup)
            for double in DOUBLES:
                if value(double) == rest:
                    found.append(list(setup) + [double])
    return sorted(found, key=way_rank)


def base_count(score):
    if score in FIXED_COUNTS:
        return FIXED_COUNTS[score]
    if score in FIXED_ALTERNATIVES:
        return 1 + len(FIXED_ALTERNATIVES[score])
    if score <= 40:
        return 2
    if score <= 100:
        return 3
    if score <= 158:
        return 2
    return 1


def alternatives(score, preferred, wanted):
    """Distinct ways, each with a first dart not used by an earlier way where possible."""
    chosen = [preferred]
    if score in FIXED_ALTERNATIVES:
        return chosen + [w.split("-") for w in FIXED_ALTERNATIVES[score]]
    candidates = [w for w in all_ways(score) if sorted(w) != sorted(preferred)]
    # Two- and three-dart ways only where the score needs them; no three-dart way below 41.
    if score <= 40:
        candidates = [w for w in candidates if len(w) <= 2]
    for fresh_first in (True, False):
        for way in candidates:
            if len(chosen) >= wanted:
                return chosen
            if any(sorted(way) == sorted(c) for c in chosen):
                continue
            if fresh_first and any(value(way[0]) == value(c[0]) for c in chosen):
                continue
            chosen.append(way)
    return chosen


def checkout_table():
    preferred = preferred_ways()
    ways = {s: alternatives(s, preferred[s], base_count(s)) for s in preferred}
    # Top up the three-dart range, one more way per score from 101 on, until the table has
    # its size; the biggest finishes keep their few ways.
    for score in (s for s in range(101, 159) if s in preferred and s not in FIXED_COUNTS):
        missing = CHECKOUT_ENTRIES - sum(len(w) for w in ways.values())
        if missing <= 0:
            break
        ways[score] = alternatives(score, preferred[score], len(ways[score]) + 1)
    assert sum(len(w) for w in ways.values()) == CHECKOUT_ENTRIES
    assert len(ways[108]) == 8
    rows = []
    for score in sorted(preferred):
        for way in ways[score]:
            rows.append(",".join([str(score)] + way))
    return rows


def com_rows_bull_choice(score, a, b):
    """Either treble or the bull first; at 170 or less the opponent forces the bull route."""
    rows = [f"{score},{a},{a},{a},30,2", f"{score},{b},{b},{b},30,2"]
    for cond, weight in ((2, 10), (1, 25)):
        for t in (b, a):
            rows.append(f"{score},D25,{t},{t},{weight},{cond}")
            rows.append(f"{score},D25,{t},D25,{weight},{cond}")
    return rows


def com_rows_bull_finish(score, a, b):
    """A treble that leaves the bull, with a second route through another treble."""
    return [f"{score},{a},{b},{a},30,0", f"{score},{a},{b},{b},20,0",
            f"{score},{a},{b},D25,20,0", f"{score},D25,{b},D25,20,0",
            f"{score},{b},{b},{b},5,0", f"{score},{b},{b},D25,5,0"]


def com_rows_double_or_setup(score, setup):
    """Go for the double, or take a single to a friendlier double."""
    d = f"D{score // 2}"
    return [f"{score},{d},{d},{d},70,1", f"{score},{setup},{d},{d},30,1",
            f"{score},{d},{d},{d},80,2", f"{score},{setup},{setup},{setup},20,2"]


def com_rows_treble_switch(score, a, b):
    """Aim at one treble; while the opponent cannot finish, sometimes switch to another."""
    return [f"{score},{a},{a},{a},100,1", f"{score},{a},{a},{a},90,2",
            f"{score},{b},{b},{b},10,2"]


COM_HIGHER = [211, 213, 214, 217, 220, 227, 233, 236, 239, 242, 245, 246, 284, 299, 302, 303,
              305, 306, 308, 309]

COM_WEIGHTED = {
    10: ["10,D5,D5,D5,70,1", "10,S2,D5,D5,30,1", "10,D5,D5,D5,80,2", "10,S2,S2,S2,20,2"],
    34: ["34,D17,D17,D17", "34,S2,S2,D17"],
    50: ["50,S18,S18,D25", "50,S10,S10,D25"],
    63: ["63,T17,S13,T17,40", "63,T13,T13,T13,60"],
    81: ["81,T15,T15,T15,30,2", "81,T19,T19,T19,30,2", "81,D25,T19,T19,10,2",
         "81,D25,T19,D25,10,2", "81,D25,T15,T15,10,2", "81,D25,T15,D25,10,2",
         "81,D25,T19,T19,25,1", "81,D25,T19,D25,25,1", "81,D25,T15,T15,25,1",
         "81,D25,T15,D25,25,1"],
    101: ["101,T20,T17,T20,30,0", "101,T20,T17,T17,20,0", "101,T20,T17,D25,20,0",
          "101,D25,T17,D25,20,0", "101,T17,T17,T17,5,0", "101,T17,T17,D25,5,0"],
    119: ["119,T19,T19,T19,100,1", "119,T19,T19,T19,90,2", "119,T20,T20,T20,10,2"],
    132: ["132,T20,T20,T20,20,1", "132,D25,D25,D25,80,1", "132,T20,T20,T20,80,2",
          "132,D25,D25,D25,20,2"],
}
for s, a, b in ((61, "T15", "T17"), (67, "T17", "T19"), (71, "T13", "T17"), (77, "T19", "T15"),
                (83, "T17", "T19"), (85, "T15", "T19"), (87, "T17", "T19"), (89, "T19", "T17")):
    COM_WEIGHTED[s] = com_rows_bull_choice(s, a, b)
for s, a, b in ((86, "T18", "T12"), (92, "T20", "T14"), (95, "T19", "T15"), (98, "T20", "T16"),
                (104, "T20", "T18"), (107, "T20", "T19")):
    COM_WEIGHTED[s] = com_rows_bull_finish(s, a, b)
for s, setup in ((6, "S2"), (12, "S4"), (14, "S6"), (18, "S2"), (20, "S4"), (22, "S6"),
                 (24, "S8"), (26, "S10"), (28, "S12"), (30, "S14"), (36, "S4"), (38, "S6")):
    COM_WEIGHTED[s] = com_rows_double_or_setup(s, setup)
for s, a, b in ((123, "T19", "T20"), (126, "T19", "T20"), (129, "T19", "T20"),
                (159, "T19", "T20"), (162, "T20", "T19"), (171, "T19", "T20"),
                (174, "T20", "T19"), (177, "T19", "T20"), (183, "T20", "T19")):
    COM_WEIGHTED[s] = com_rows_treble_switch(s, a, b)


def com_table():
    preferred = preferred_ways()
    rows = []
    for score in list(range(2, 196)) + COM_HIGHER:
        if score in COM_WEIGHTED:
            rows.extend(COM_WEIGHTED[score])
            continue
        target = preferred[score][0] if score in preferred else "T20"
        rows.append(f"{score},{target},{target},{target}")
    return rows


def write(path, header, rows):
    text = "".join(line + "\r\n" for line in header + rows)
    path.write_bytes(text.encode("ascii"))


def main():
    root = pathlib.Path(__file__).resolve().parent.parent
    checkout = checkout_table()
    com = com_table()
    assert len(checkout) == CHECKOUT_ENTRIES, len(checkout)
    assert len(com) == COM_ENTRIES, len(com)
    assert len(COM_WEIGHTED) == 43, len(COM_WEIGHTED)
    write(root / "resources" / "arrange.txt",
          ["# dvk check-out table: score,dart 1,dart 2,dart 3 (preferred way first)"], checkout)
    write(root / "resources" / "arrange_com.txt",
          ["# dvk COM table: score,target of dart 1,dart 2,dart 3,weight,condition",
           "# condition: 0 or empty always, 1 opponent at 170 or less, 2 opponent above 170"],
          com)


if __name__ == "__main__":
    main()
