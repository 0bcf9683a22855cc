"""What the end-to-end scripts of Monitor's own windows (its tray menu, its
on-screen display) share: the arguments they take and one Wine session for
all their cases.

    SCRIPT.py --files DIR --probe EXE --mervikctl EXE --mousesim EXE --out DIR [unittest args]
"""
import argparse
import os
import sys
import unittest

from wine_desktop import SessionStandIn, WineSession

ARGS = argparse.Namespace()
SESSION = SessionStandIn()  # made by run_cases


def run_cases(name, **session_options):
    """Runs the calling script's cases in a session of prefix OUT/NAME-prefix
    (a virtual desktop of 1024x768 unless told) and exits with their result.
    `log` names a file in OUT for the programs' output, emptied first."""
    parser = argparse.ArgumentParser()
    for option in ("--files", "--probe", "--mervikctl", "--mousesim", "--out"):
        parser.add_argument(option, required=True)
    known, rest = parser.parse_known_args()
    vars(ARGS).update(vars(known))
    if "log" in session_options:
        session_options["log"] = os.path.join(ARGS.out, session_options["log"])
        if os.path.exists(session_options["log"]):
            os.remove(session_options["log"])
    session_options.setdefault("desktop", "1024x768")
    SESSION.session = WineSession(os.path.join(ARGS.out, name + "-prefix"), **session_options)
    try:
        program = unittest.main(module="__main__", argv=[sys.argv[0], *rest], exit=False, verbosity=2)
    finally:
        SESSION.session.close()
    sys.exit(0 if program.result.wasSuccessful() else 1)
