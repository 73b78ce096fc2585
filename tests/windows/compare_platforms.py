#!/usr/bin/env python3
"""The same batch of cases on Linux and on Windows (under Wine): every displayed text,
message and status identical, and the full-precision values of the state within a few ULP.

mingw-w64's pow, exp and log differ from glibc's by 1 or 2 ULP for some arguments. Most
values then stay within 4 ULP; a sum whose terms are much larger than itself magnifies the
difference (the water density fit at wall temperatures near its range's end adds terms up to
three times its value), and values computed from it follow. So: at most 1 % of the cases may
have a value beyond 4 ULP, and none beyond 16.

Usage: compare_platforms.py LINUX_CLI WINE_RUN WINDOWS_CLI WORK_DIR [CASES]

The cases cover every geometry and fluid (both heating modes and row counts) with inputs
drawn from a fixed seed, in and out of the validity ranges. Prints how many cases differ
in the last bits at all, and the largest difference in ULP.
"""
import json
import math
import random
import struct
import subprocess
import sys

GEOMETRIES = ["pipe", "cross-flow", "plate", "slot", "slot-insulated", "helical", "tube-row",
              "inline-bank", "staggered-bank", "partly-staggered-bank", "finned-bank"]
FLUIDS = ["air", "water", "gas"]
MAX_ULP = 4
MAX_ULP_MAGNIFIED = 16
MAX_SHARE_BEYOND = 0.01


def cases(count):
    draw = random.Random(22)
    header = ["geometry", "fluid", "heating", "rows", "w", "d", "t-in", "t-out", "t-wall"]
    rows = []
    for i in range(count):
        t_in = draw.uniform(-10, 95)
        rows.append([
            GEOMETRIES[i % len(GEOMETRIES)],
            FLUIDS[(i // len(GEOMETRIES)) % len(FLUIDS)],
            draw.choice(["wall-temperature", "heat-flux"]),
            draw.choice(["many", "few"]),
            "%.6g" % draw.uniform(0.05, 40),
            "%.6g" % draw.uniform(0.004, 0.6),
            "%.6g" % t_in,
            "%.6g" % (t_in + draw.uniform(0.5, 15)),
            "%.6g" % (t_in + draw.uniform(-30, 80)),
        ])
    return ";".join(header) + "\n" + "".join(";".join(r) + "\n" for r in rows)


def run(command, table):
    done = subprocess.run(command + ["--decimal-separator", ".", "--json", "--batch", table],
                          stdout=subprocess.PIPE, stderr=subprocess.PIPE, check=False)
    if done.returncode != 0:
        sys.exit("%s failed (%d): %s" % (command, done.returncode,
                                         done.stderr.decode(errors="replace")))
    return [json.loads(line) for line in done.stdout.decode("utf-8").splitlines() if line]


def ordered(x):
    """The double's bits as an integer that counts ULPs across zero."""
    (bits,) = struct.unpack("<q", struct.pack("<d", x))
    return bits if bits >= 0 else -(bits & 0x7FFFFFFFFFFFFFFF)


def ulps(a, b):
    if a is None or b is None or isinstance(a, (str, bool)) or isinstance(b, (str, bool)):
        return 0 if a == b else math.inf
    a, b = float(a), float(b)
    if math.isnan(a) or math.isnan(b):
        return 0 if math.isnan(a) and math.isnan(b) else math.inf
    return abs(ordered(a) - ordered(b))


def main():
    linux_cli, wine_run, windows_cli, work = sys.argv[1:5]
    count = int(sys.argv[5]) if len(sys.argv) > 5 else 11088
    table = work + "/platform-cases.csv"
    with open(table, "w", encoding="utf-8", newline="\n") as f:
        f.write(cases(count))
    linux = run([linux_cli], table)
    windows = run([wine_run, windows_cli], table)
    if len(linux) != count or len(windows) != count:
        sys.exit("expected %d results, got %d on Linux and %d on Windows"
                 % (count, len(linux), len(windows)))
    problems = []
    differing = 0
    beyond = {}  # field: cases in which it lies beyond MAX_ULP
    cases_beyond = 0
    largest = 0
    for a, b in zip(linux, windows):
        for key in ("texts", "messages", "status", "shown"):
            if a.get(key) != b.get(key):
                problems.append("case %d: %s differ: %r / %r" % (a["line"], key, a.get(key),
                                                                 b.get(key)))
        state_a, state_b = a.get("state", {}), b.get("state", {})
        if set(state_a) != set(state_b):
            problems.append("case %d: state fields differ" % a["line"])
            continue
        differences = {k: ulps(state_a[k], state_b[k]) for k in state_a}
        worst = max(differences.values(), default=0)
        if worst > 0:
            differing += 1
        largest = max(largest, worst)
        for k, d in differences.items():
            if d > MAX_ULP:
                beyond[k] = beyond.get(k, 0) + 1
            if d > MAX_ULP_MAGNIFIED:
                problems.append("case %d: %s differs by %s ULP" % (a["line"], k, d))
        if worst > MAX_ULP:
            cases_beyond += 1
    if cases_beyond > MAX_SHARE_BEYOND * count:
        problems.append("%d cases have a value beyond %d ULP" % (cases_beyond, MAX_ULP))
    print("platforms: %d cases, texts identical in %d, %d differ in the last bits "
          "(largest %s ULP); %d beyond %d ULP (%s)"
          % (count, count - sum(1 for p in problems if "differ:" in p), differing, largest,
             cases_beyond, MAX_ULP,
             ", ".join("%s %d" % kv for kv in sorted(beyond.items())) or "none"))
    for p in problems[:20]:
        print(p, file=sys.stderr)
    sys.exit(1 if problems else 0)


if __name__ == "__main__":
    main()
