#!/usr/bin/env python3
"""Where the settings are, end to end: the real Option.exe and Monitor.exe
with the simulated mouse, driven with X input. The status area says every
state (screenshots of each under the screenshots folder); unplugging the mouse
keeps Option and its edits; a refused upload is tried again; a press of the
mouse's DPI button during a switch's upload, at several moments, leaves the
mouse and the files agreeing.
"""
import json
import os
import re
import unittest

import option_case
from option_case import MAIN_SKIN, OptionCase, RealMonitor, ini_value, parse_probe, parse_rect, probe, settle, \
    skin_rect, wait_for

LAN_RC = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "lang", "lan.rc")
STATUS_KEY, RETRY_KEY = 17, 18


def lan_text(name):
    """The sentence lan.rc names `name`, as lan.dll holds it."""
    with open(LAN_RC, encoding="utf-8") as f:
        for line in f:
            found = re.match(r'\s*\d+,\s*"((?:[^"\\]|\\.)*)"\s*//\s*(\w+)', line)
            if found and found.group(2) == name:
                return found.group(1)
    raise KeyError(name)


def sentence(name):
    """A pattern for the sentence `name` with its numbers filled in."""
    return re.compile("^" + re.escape(lan_text(name)).replace("%1", r"\d+").replace("%2", r"\d+") + "$")


class UploadStatus(RealMonitor, OptionCase):
    def status(self):
        return json.loads(probe("status"))["text"]

    def wait_status(self, name, timeout=30):
        pattern = sentence(name)
        found = wait_for(lambda: (lambda t: t if t is not None and pattern.match(t) else None)(self.status()),
                         timeout)
        self.assertTrue(found, "the status never said %s; it says %r" % (name, self.status()))
        return found

    def percent(self):
        """How far the upload under way is, as the status area says; -1 when
        it says something else."""
        found = re.search(r"(\d+)%$", self.status() or "")
        return int(found.group(1)) if found else -1

    def shoot(self, name):
        settle()
        option_case.screenshot(name, parse_rect(self.state()["main_rect"]))

    def retry_enabled(self):
        by_place = {tuple(b["rect"]): b for b in json.loads(probe("strip"))["buttons"]}
        button = by_place.get(skin_rect(MAIN_SKIN, RETRY_KEY))
        return button is not None and button["enabled"] == 1

    def mouse_state(self):
        return json.loads(self.mouse("state"))

    def profile_level(self, n):
        return int(ini_value(os.path.join(self.folder, "config", "Default%d.gmp" % n), "Cpi_X")) + 1

    def levels_differ(self):
        """Profile 4 holds another DPI level than profile 0."""
        with open(os.path.join(self.folder, "config", "Default4.gmp"), "w", newline="\r\n") as f:
            f.write("[Setting]\nProFileName=Four\nCpi_X=4\n")

    # ---- the cases ----

    def test_without_monitor_the_status_says_the_files_only(self):
        self.start_option()
        self.wait_status("kTextStatusNoService")
        self.assertFalse(self.retry_enabled())
        self.shoot("status_no_service")

    def test_unplugging_keeps_option_its_edits_and_apply(self):
        self.start_real_monitor()
        self.start_option()
        self.wait_status("kTextStatusInMouse")
        self.shoot("status_in_mouse")

        self.click(self.main_button(13))  # profile 4 of the strip: an edit
        self.assertTrue(self.wait_strip(lambda s: s["current"] == [3]))
        self.wait_status("kTextStatusUnapplied")
        self.shoot("status_unapplied")

        self.mouse("unplug")
        self.wait_status("kTextStatusNoMouseEdited")
        self.assertEqual(self.state()["windows"], "1", "the removal closed Option")
        self.assertEqual(self.strip()["current"], [3], "the removal dropped the edit")
        self.shoot("status_no_mouse_edited")

        self.click(self.main_button(5))
        self.assertTrue(self.wait_for_apply_done(10), "Apply did not return without the mouse")
        self.wait_status("kTextStatusNoMouseOwed")
        self.assertEqual(ini_value(os.path.join(self.folder, "config.ini"), "CurrentProfile"), "3")
        self.shoot("status_no_mouse_owed")

        planned = self.planned_transfers(3)
        self.mouse("clear-log")
        self.mouse("plug")
        self.wait_status("kTextStatusInMouse", 60)
        self.assertTrue(wait_for(lambda: self.uploaded(planned), 30), "the mouse did not get profile 4 on its return")

        self.mouse("unplug")
        self.wait_status("kTextStatusNoMouseHeld")
        self.shoot("status_no_mouse_held")

    def test_a_refused_upload_is_tried_again_and_the_status_says_so(self):
        self.start_real_monitor()
        self.start_option()
        self.wait_status("kTextStatusInMouse")
        self.mouse("fail", "2")
        self.click(self.main_button(5))
        self.wait_status("kTextStatusRetrying")
        self.assertTrue(self.retry_enabled(), "no Retry while the tries go on")
        self.shoot("status_retrying")
        self.wait_status("kTextStatusSendingAgain")
        self.shoot("status_sending_again")
        self.wait_status("kTextStatusInMouse", 60)
        self.assertTrue(self.uploaded(self.planned_transfers(0)), "the third try did not send the profile whole")
        self.assertFalse(self.retry_enabled())

        # Every try refused: not sent, until the user's Retry.
        self.mouse("fail", "1000")
        self.click(self.main_button(5))
        self.wait_status("kTextStatusNotSentRefused", 60)
        self.assertTrue(self.retry_enabled())
        self.shoot("status_not_sent")
        self.mouse("fail", "0")
        self.mouse("clear-log")
        self.click(self.main_button(RETRY_KEY))
        self.wait_status("kTextStatusSending", 10)
        self.assertTrue(wait_for(lambda: self.percent() >= 30, 20), "the progress did not move")
        self.shoot("status_sending")
        self.wait_status("kTextStatusInMouse", 60)
        self.assertTrue(self.uploaded(self.planned_transfers(0)), "Retry did not send the profile whole")

    def test_a_dpi_press_during_a_switch_ends_with_the_mouse_and_the_files_agreeing(self):
        self.levels_differ()
        self.start_real_monitor()
        self.start_option()
        self.wait_status("kTextStatusInMouse")
        for delay_ms in (50, 150, 250, 350, 450, 600):
            # The press is the test's input at that moment of the upload,
            # not a wait for a result.
            self.assertIn("pressed=1", probe("monitor-switch", "4", str(delay_ms)))
            self.agree(4, delay_ms)
            self.assertIn("switched=1", probe("monitor-switch", "0"))  # back, for the next moment
            self.agree(0, None)

    def agree(self, profile, delay_ms):
        def together():
            block = parse_probe(probe("block"))
            level = self.mouse_state()["activeLevel"]
            files = self.profile_level(profile)
            if block.get("current") == str(profile) and level == files == int(block["cpi"]) + 1:
                return level
            return None
        # The switch's upload is under way, then over; only then may the two
        # still differ, until the level is sent again.
        self.wait_status("kTextStatusSending", 10)
        self.wait_status("kTextStatusInMouse", 60)
        settle()
        self.assertTrue(wait_for(together, 20),
                        "a press %s ms into the switch: the mouse at level %d, the files at %d" %
                        (delay_ms, self.mouse_state()["activeLevel"], self.profile_level(profile)))


if __name__ == "__main__":
    option_case.main("upload_status_e2e")
