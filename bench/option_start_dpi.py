#!/usr/bin/env python3
"""Option's start to its first paint at several display scales, under Wine.

For each DPI a Wine prefix of its own (copied from the checkout's template)
gets that DPI as its LogPixels, a program folder with Option, lan.dll, the
skins and a config.ini with Device=1 (so no warning opens), and
OptionBench.exe starts Option RUNS times there (after one start that warms
the caches). The screen is large enough for the 200 % window, so each DPI
gets the variant it asks for; OptionBench prints the window's size.

    bench/option_start_dpi.py --bin build/mingw [--runs 20] [--dpi 96 144 192] [--rounds 1]
                              [--before OTHER_MINGW_TREE]

With --rounds N the DPIs take turns N times, so a change in the machine's
load touches each of them alike; with --before, the Option.exe of another
build tree (a checkout before a change) takes turns with this one at each DPI.
"""
import argparse
import os
import shutil
import subprocess
import sys
import tempfile

ROOT = os.path.abspath(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
sys.path.insert(0, os.path.join(ROOT, "tests", "support", "e2e"))
from wine_desktop import WineSession, XDisplay, windows_path  # noqa: E402

SCREEN = "2560x1600x24"


def program_folder(bin_dir, folder):
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(os.path.join(folder, "config"), exist_ok=True)
    shutil.copy(os.path.join(bin_dir, "ui", "win32", "Option.exe"), folder)
    shutil.copy(os.path.join(bin_dir, "lang", "lan.dll"), folder)
    shutil.rmtree(os.path.join(folder, "skins"), ignore_errors=True)
    shutil.copytree(os.path.join(bin_dir, "skins"), os.path.join(folder, "skins"))
    with open(os.path.join(folder, "config.ini"), "w", newline="\r\n") as f:
        f.write("[Setting]\nCurrentProfile=0\nDevice=1\n")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--bin", required=True, help="the mingw build tree")
    parser.add_argument("--runs", type=int, default=20)
    parser.add_argument("--rounds", type=int, default=1)
    parser.add_argument("--dpi", type=int, nargs="+", default=[96, 144, 192])
    parser.add_argument("--work", default=os.path.join(ROOT, "build", "bench-dpi"))
    parser.add_argument("--before", help="another mingw build tree, measured in turn with --bin")
    args = parser.parse_args()
    bench = os.path.join(os.path.abspath(args.bin), "tests", "ui", "OptionBench.exe")
    builds = [("before", os.path.abspath(args.before))] if args.before else []
    builds.append(("after" if args.before else "this build", os.path.abspath(args.bin)))

    display = XDisplay(SCREEN)
    os.environ["MERVIK_E2E_DISPLAY"] = display.name
    try:
        for round_number in range(args.rounds):
            for dpi in args.dpi:
                prefix = os.path.join(args.work, "prefix-%d" % dpi)
                session = WineSession(prefix)
                try:
                    session.run("reg", "add", "HKCU\\Control Panel\\Desktop", "/v", "LogPixels",
                                "/t", "REG_DWORD", "/d", str(dpi), "/f")
                    # The DPI is read when the server starts.
                    session.restart()
                    for name, bin_dir in builds:
                        folder = os.path.join(args.work, "folder-%d" % dpi)
                        program_folder(bin_dir, folder)
                        load = open("/proc/loadavg").read().split()[:3]
                        print("== %d DPI, %s (round %d), load average %s"
                              % (dpi, name, round_number + 1, " ".join(load)), flush=True)
                        result = session.run(bench, "start", windows_path(os.path.join(folder, "Option.exe")),
                                             args.runs, timeout=600)
                        print(result.stdout, end="", flush=True)
                        if result.returncode:
                            print("OptionBench failed (%d)" % result.returncode)
                            return 1
                finally:
                    session.close()
    finally:
        display.stop()
    return 0


if __name__ == "__main__":
    sys.exit(main())
