#!/usr/bin/env python3
"""Runs one Windows program under Wine in a session of its own: a prefix
(copied from the checkout's template the first time), a persistent Wine
server and a private X display, all ended when the program ends. Exits with
the program's status.

    run_in_session.py --prefix DIR [--desktop WxH] -- PROGRAM [ARGS...]
"""
import argparse
import os
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from wine_desktop import WineSession  # noqa: E402


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--prefix", required=True)
    parser.add_argument("--desktop")
    parser.add_argument("program", nargs=argparse.REMAINDER)
    args = parser.parse_args()
    program = args.program[1:] if args.program[:1] == ["--"] else args.program
    if not program:
        parser.error("no program to run")
    session = WineSession(args.prefix, desktop=args.desktop)
    try:
        # Its output is the test's output: straight through, not captured.
        return subprocess.run(["wine", *program], env=session.env).returncode
    finally:
        session.close()


if __name__ == "__main__":
    sys.exit(main())
