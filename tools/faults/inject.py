#!/usr/bin/env python3
"""Fault injection: applies each fault of faults.py alone to a copy of the product code, rebuilds,
runs ctest and reports which faults no test noticed. Run on demand, not in CI:

    python3 tools/faults/inject.py [--build DIR] [--core] [--only ID ...] [--tests REGEX] [--list]

The faults go into a git worktree of HEAD in DIR/tree (built in DIR/build), never into the
working tree, so Ctrl-C cannot leave a fault behind in the developer's files. The run refuses
to start while tracked files outside tools/faults/ have uncommitted changes: the copy is HEAD,
and a result for code other than the one on screen would mislead. Commit (or stash) first.

Outcomes: caught (a test failed), SURVIVED (every test passed), no-build (the fault does not
compile with -Werror, so it tests nothing and must be rewritten), stale (its original text no
longer occurs exactly once). The run fails when any fault survived, did not build or is stale."""
import argparse
import os
import pathlib
import shutil
import subprocess
import sys
import time

from faults import FAULTS

ROOT = pathlib.Path(__file__).resolve().parents[2]
# The fault script and its list are read from the working tree; edits there need no commit.
OWN_FOLDER = "tools/faults/"


def git(*arguments, cwd=ROOT, check=True):
    return subprocess.run(["git", *arguments], cwd=cwd, check=check, capture_output=True,
                          text=True).stdout


def run(command, log, timeout, cwd):
    with open(log, "w") as out:
        try:
            return subprocess.run(command, cwd=cwd, stdout=out, stderr=subprocess.STDOUT,
                                  timeout=timeout).returncode
        except subprocess.TimeoutExpired:
            return -1


def uncommitted_product_files():
    changed = []
    for line in git("status", "--porcelain", "--untracked-files=no").splitlines():
        path = line[3:].split(" -> ")[-1]
        if not path.startswith(OWN_FOLDER):
            changed.append(path)
    return changed


def prepare_copy(tree, commit):
    """Makes DIR/tree a detached worktree at `commit`, or brings an earlier one back to it.
    A reset rewrites only the files that differ, so the build after it stays incremental; it
    also undoes a fault an interrupted run left in the copy."""
    if not (tree / ".git").exists():
        if tree.exists() and any(tree.iterdir()):
            sys.exit(f"{tree} exists but is no git worktree; remove it")
        tree.parent.mkdir(parents=True, exist_ok=True)
        # --force: a copy whose folder was deleted is still registered; take its place.
        git("worktree", "add", "--force", "--detach", str(tree), commit)
    git("checkout", "--detach", "--force", commit, cwd=tree)
    git("reset", "--hard", commit, cwd=tree)
    git("clean", "-fd", cwd=tree)


def ctest_command(build, tests):
    # The failing test's output goes into the fault's log, to show what caught it.
    # Three tests per core, as tools/test.sh runs them: most of them wait on display servers.
    command = ["ctest", "--test-dir", str(build), f"-j{3 * (os.cpu_count() or 1)}",
               "--stop-on-failure", "--output-on-failure",
               "--timeout", "120", "--no-tests=error"]
    if tests is not None:
        command += ["-R", tests]
    if not os.environ.get("DISPLAY") and not os.environ.get("WAYLAND_DISPLAY"):
        command = ["xvfb-run", "-a", "-s", "-noreset -screen 0 1600x1000x24"] + command
    return command


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", default="build/faults",
                        help="folder for the copy (tree/), its build (build/) and the logs")
    parser.add_argument("--only", nargs="*", default=None, metavar="ID",
                        help="run these faults only")
    parser.add_argument("--tests", default=None, metavar="REGEX",
                        help="run only the tests ctest -R REGEX selects, for a quick check of a "
                        "fault against the test meant to catch it")
    parser.add_argument("--core", action="store_true",
                        help="build without the window program (faults in engine, sky, cli)")
    parser.add_argument("--list", action="store_true", help="print the fault ids and stop")
    args = parser.parse_args()

    if args.list:
        for ident, path, _, _, what in FAULTS:
            print(f"{ident:<28} {path:<36} {what}")
        return
    unknown = sorted(set(args.only or []) - {f[0] for f in FAULTS})
    if unknown:
        sys.exit("no such fault: " + " ".join(unknown))
    changed = uncommitted_product_files()
    if changed:
        sys.exit("uncommitted changes; the faults run on a copy of HEAD, so commit or stash "
                 "first:\n  " + "\n  ".join(changed))

    folder = ROOT / args.build
    tree = folder / "tree"
    build = folder / "build"
    logs = folder / "fault-logs"
    commit = git("rev-parse", "HEAD").strip()
    prepare_copy(tree, commit)
    logs.mkdir(parents=True, exist_ok=True)
    subprocess.run(["cmake", "-S", str(tree), "-B", str(build), "-DCMAKE_BUILD_TYPE=Release",
                    "-DASTRIVO_WERROR=ON", "-DASTRIVO_BENCHMARKS=OFF",
                    f"-DASTRIVO_GUI={'OFF' if args.core else 'ON'}"],
                   cwd=tree, check=True, stdout=subprocess.DEVNULL)
    if run(["cmake", "--build", str(build), "-j2"], logs / "clean.build.log", 3600, tree) != 0:
        sys.exit("the copy does not build without any fault; see " + str(logs / "clean.build.log"))
    if run(ctest_command(build, args.tests), logs / "clean.log", 1800, tree) != 0:
        sys.exit("the tests fail (or none match) without any fault; see " + str(logs / "clean.log"))

    faults = [f for f in FAULTS if args.only is None or f[0] in args.only]
    results = []
    for ident, path, original, replacement, what in faults:
        source = tree / path
        text = source.read_text() if source.exists() else ""
        if text.count(original) != 1:
            results.append((ident, "stale", what))
            print(f"{ident:<28} stale     {what}", flush=True)
            continue
        started = time.monotonic()
        try:
            source.write_text(text.replace(original, replacement))
            built = run(["cmake", "--build", str(build), "-j2"], logs / f"{ident}.build.log", 1800,
                        tree)
            if built != 0:
                outcome = "no-build"  # the compiler (-Werror) refuses it: it tests nothing
            else:
                tested = run(ctest_command(build, args.tests), logs / f"{ident}.test.log", 1800,
                             tree)
                outcome = "caught" if tested != 0 else "SURVIVED"
        finally:
            source.write_text(text)
        results.append((ident, outcome, what))
        print(f"{ident:<28} {outcome:<9} {what}  ({time.monotonic() - started:.0f} s)", flush=True)

    caught = sum(1 for r in results if r[1] == "caught")
    counts = {kind: [r for r in results if r[1] == kind] for kind in ("SURVIVED", "no-build", "stale")}
    print(f"\n{caught} caught, {len(counts['SURVIVED'])} survived, "
          f"{len(counts['no-build'])} no-build, {len(counts['stale'])} stale, of {len(results)}"
          + (f" (tests matching {args.tests!r})" if args.tests else ""))
    for kind, listed in counts.items():
        for ident, _, what in listed:
            print(f"  {kind:<9} {ident}: {what}")
    sys.exit(1 if any(counts.values()) else 0)


if __name__ == "__main__":
    if shutil.which("ctest") is None:
        sys.exit("ctest not found")
    main()
