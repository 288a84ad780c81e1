#!/usr/bin/env python3
"""Fault injection: applies each fault of faults.py alone to the product code, rebuilds,
runs ctest and reports which faults no test noticed. Run on demand, not in CI:

    python3 tools/faults/inject.py [--build DIR] [--core] [--only ID ...]

The tree is restored after every fault, also on Ctrl-C. A fault whose original text no
longer occurs exactly once is reported as stale, so the list cannot rot silently."""
import argparse
import os
import pathlib
import shutil
import subprocess
import sys
import time

from faults import FAULTS

ROOT = pathlib.Path(__file__).resolve().parents[2]


def run(command, log, timeout):
    with open(log, "w") as out:
        try:
            return subprocess.run(command, cwd=ROOT, stdout=out, stderr=subprocess.STDOUT,
                                  timeout=timeout).returncode
        except subprocess.TimeoutExpired:
            return -1


def ctest_command(build):
    command = ["ctest", "--test-dir", str(build), "-j2", "--stop-on-failure", "--timeout", "120"]
    if not os.environ.get("DISPLAY") and not os.environ.get("WAYLAND_DISPLAY"):
        command = ["xvfb-run", "-a", "-s", "-screen 0 1600x1000x24"] + command
    return command


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", default="build/faults")
    parser.add_argument("--only", nargs="*", default=None)
    parser.add_argument("--core", action="store_true",
                        help="build without the window program (faults in engine, sky, cli)")
    args = parser.parse_args()
    build = ROOT / args.build
    logs = build / "fault-logs"
    subprocess.run(["cmake", "-S", str(ROOT), "-B", str(build), "-DCMAKE_BUILD_TYPE=Release",
                    "-DASTRIVO_BENCHMARKS=OFF", f"-DASTRIVO_GUI={'OFF' if args.core else 'ON'}"],
                   cwd=ROOT, check=True, stdout=subprocess.DEVNULL)
    subprocess.run(["cmake", "--build", str(build), "-j2"], cwd=ROOT, check=True,
                   stdout=subprocess.DEVNULL)
    logs.mkdir(parents=True, exist_ok=True)
    if run(ctest_command(build), logs / "clean.log", 1800) != 0:
        sys.exit("the suite fails without any fault; see " + str(logs / "clean.log"))

    faults = [f for f in FAULTS if args.only is None or f[0] in args.only]
    results = []
    for ident, path, original, replacement, what in faults:
        source = ROOT / path
        text = source.read_text()
        if text.count(original) != 1:
            results.append((ident, "stale", what))
            print(f"{ident:<24} stale     {what}", flush=True)
            continue
        started = time.monotonic()
        try:
            source.write_text(text.replace(original, replacement))
            built = run(["cmake", "--build", str(build), "-j2"], logs / f"{ident}.build.log", 1800)
            if built != 0:
                outcome = "caught"  # by the compiler (-Werror) or the build
            else:
                tested = run(ctest_command(build), logs / f"{ident}.test.log", 1800)
                outcome = "caught" if tested != 0 else "SURVIVED"
        finally:
            source.write_text(text)
        results.append((ident, outcome, what))
        print(f"{ident:<24} {outcome:<9} {what}  ({time.monotonic() - started:.0f} s)", flush=True)

    subprocess.run(["cmake", "--build", str(build), "-j2"], cwd=ROOT, stdout=subprocess.DEVNULL)
    caught = sum(1 for r in results if r[1] == "caught")
    survived = [r for r in results if r[1] == "SURVIVED"]
    stale = [r for r in results if r[1] == "stale"]
    print(f"\n{caught} caught, {len(survived)} survived, {len(stale)} stale, of {len(results)}")
    for ident, _, what in survived + stale:
        print(f"  {ident}: {what}")
    sys.exit(1 if survived or stale else 0)


if __name__ == "__main__":
    if shutil.which("ctest") is None:
        sys.exit("ctest not found")
    main()
