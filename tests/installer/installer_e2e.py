#!/usr/bin/env python3
"""The setup program, the uninstaller and the portable zip under Wine.

    installer_e2e.py --build DIR --cmake EXE --make-packages SCRIPT --probe EXE
                     --version VERSION --out DIR [--shipped FILE]... [unittest args]

Packages.test_make stages the build tree's program folder, writes its default
settings and makes two setup programs: this build's, and the same programs
stamped with a higher version (the upgrade). The other cases use them, each
in a Wine prefix of its own; the install cases start from a fresh one.
"""
import argparse
import filecmp
import os
import shutil
import subprocess
import sys
import time
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support", "e2e"))
from wine_desktop import WineSession, wait_for, windows_path  # noqa: E402

ARGS = None
UNINSTALL_KEY = r"Software\Microsoft\Windows\CurrentVersion\Uninstall\Mervik"
RUN_KEY = r"Software\Microsoft\Windows\CurrentVersion\Run"
SETTINGS = ["config.ini"] + ["config/Default%d.gmp" % i for i in range(5)] + ["config/sequence.dat"]


def next_version(version):
    parts = version.split(".")
    parts[-1] = str(int(parts[-1]) + 1)
    return ".".join(parts)


def quad(version):
    parts = version.split(".")
    return ".".join(parts + ["0"] * (4 - len(parts)))


def files_under(folder):
    found = []
    for base, _, names in os.walk(folder):
        found += [os.path.relpath(os.path.join(base, n), folder).replace(os.sep, "/") for n in names]
    return sorted(found)


def read(path):
    """The bytes of `path`, or None when there is no such file."""
    try:
        with open(path, "rb") as f:
            return f.read()
    except FileNotFoundError:
        return None


def without_device_key(settings):
    """Monitor writes config.ini's Device key as it starts; the rest is the user's."""
    config = settings["config.ini"] or b""
    lines = [line for line in config.split(b"\r\n") if not line.startswith(b"Device=")]
    return dict(settings, **{"config.ini": b"\r\n".join(lines)})


def packages_dir():
    return os.path.join(ARGS.out, "packages")


def stage_dir(version):
    return os.path.join(ARGS.out, "stage-" + version)


def setup_program(version):
    return os.path.join(packages_dir(), "Mervik-Setup-%s.exe" % version)


class Wine(WineSession):
    """A prefix of the installer tests' own (fresh: booted anew), whose Wine
    errors go to a log beside the programs' errors."""

    def __init__(self, name, fresh):
        log = os.path.join(ARGS.out, "wine-%s.log" % name)
        if fresh and os.path.exists(log):
            os.remove(log)
        super().__init__(os.path.join(ARGS.out, "prefix-" + name), debug="-all,err+all",
                         fresh=fresh, log=log)

    def log_tail(self, lines=20):
        with open(self.log, errors="replace") as log:
            return "".join(log.readlines()[-lines:])

    def probe(self, *args, timeout=120):
        """(exit status, {key: value}) of one probe command."""
        done = self.run(ARGS.probe, *args, timeout=timeout)
        values = {}
        for line in done.stdout.splitlines():
            key, _, value = line.partition("=")
            values.setdefault(key, value)
        return done.returncode, values

    def unix_path(self, windows_path):
        drive, rest = windows_path[0].lower(), windows_path[3:].replace("\\", "/")
        return "/" + rest if drive == "z" else os.path.join(self.prefix, "drive_" + drive, rest)

    windows_path = staticmethod(windows_path)


def versions(wine, *files):
    """{file name, as Windows spells the path: {key: value}} from the probe."""
    done = wine.run(ARGS.probe, "version", *[Wine.windows_path(f) for f in files])
    found, current = {}, None
    for line in done.stdout.splitlines():
        key, _, value = line.partition("=")
        if key == "file":
            current = found.setdefault(value, {})
        elif current is not None:
            current[key] = value
    return found


def assert_version(case, info, version, name):
    case.assertEqual(quad(version), info.get("fixed"), name)
    case.assertEqual(version, info.get("FileVersion"), name)
    case.assertEqual(version, info.get("ProductVersion"), name)
    case.assertEqual("Mervik", info.get("ProductName"), name)
    case.assertTrue(info.get("FileDescription"), name)


# The setup programs under test are compressed with zlib: the tests are about
# what setup does, and the shipped solid LZMA costs half a minute of CPU to
# make and more to unpack under Wine.
FAST_PACKAGES = dict(os.environ, MERVIK_SETUP_COMPRESSOR="zlib")


class Packages(unittest.TestCase):
    """The fixture: both setup programs and the zip, from the build tree."""

    def test_make(self):
        wine = Wine("tools", fresh=False)
        try:
            version, higher = ARGS.version, next_version(ARGS.version)
            stage = stage_dir(version)
            shutil.rmtree(stage, ignore_errors=True)
            subprocess.check_call([ARGS.cmake, "--install", ARGS.build, "--component", "program",
                                   "--prefix", stage], stdout=subprocess.DEVNULL)
            mervikctl = os.path.join(stage, "mervikctl.exe")
            self.assertEqual(0, wine.run(mervikctl, "init", "--force", Wine.windows_path(stage)).returncode)
            self.assertEqual(SETTINGS, [f for f in files_under(stage) if f in SETTINGS])

            shutil.rmtree(packages_dir(), ignore_errors=True)
            subprocess.check_call([ARGS.make_packages, stage, version, packages_dir()], stdout=subprocess.DEVNULL,
                                  env=FAST_PACKAGES)

            # The higher version: the same programs, their version resources
            # stamped with the higher number.
            staged_higher = stage_dir(higher)
            shutil.rmtree(staged_higher, ignore_errors=True)
            shutil.copytree(stage, staged_higher)
            binaries = [Wine.windows_path(os.path.join(staged_higher, f)) for f in files_under(staged_higher)
                        if f.endswith((".exe", ".dll"))]
            self.assertTrue(binaries)
            status, values = wine.probe("stamp", higher, *binaries)
            self.assertEqual(0, status, values)
            subprocess.check_call([ARGS.make_packages, staged_higher, higher, packages_dir(), "--setup-only"],
                                  stdout=subprocess.DEVNULL, env=FAST_PACKAGES)
            for path in (setup_program(version), setup_program(higher),
                         os.path.join(packages_dir(), "Mervik-%s-win64.zip" % version)):
                self.assertTrue(os.path.isfile(path), path)

            # What every shipped file's properties show, this build's and
            # the stamped ones, and the setup program's own.
            shipped = versions(wine, *ARGS.shipped)
            self.assertEqual(len(ARGS.shipped), len(shipped))
            for path, info in shipped.items():
                assert_version(self, info, version, path)
                self.assertEqual(path.split("\\")[-1], info.get("OriginalFilename"))
            for name, info in versions(wine, *[staged_higher + "/" + f for f in files_under(staged_higher)
                                               if f.endswith((".exe", ".dll"))]).items():
                assert_version(self, info, higher, name)
            setup, = versions(wine, setup_program(version)).values()
            self.assertEqual(version, setup.get("ProductVersion"))
        finally:
            wine.close()


class InWine(unittest.TestCase):
    prefix_name = None
    fresh = True

    def setUp(self):
        self.wine = Wine(self.prefix_name, fresh=self.fresh)
        self.addCleanup(self.wine.close)


class Installed(InWine):
    """Fresh prefix; the suite installed silently by the setup program."""

    prefix_name = None

    def setUp(self):
        self.prefix_name = self.id().split(".")[-1]
        super().setUp()

    def install(self, version):
        started = time.monotonic()
        done = self.wine.run(setup_program(version), "/S", capture=False)
        self.assertEqual(0, done.returncode, "setup %s failed; Wine said:\n%s" % (version, self.wine.log_tail()))
        seconds = time.monotonic() - started
        self.installed_folder = self.folder()
        return seconds

    def folder(self):
        """The installation folder: the user's local programs folder + Mervik."""
        status, values = self.wine.probe("reg", UNINSTALL_KEY, "InstallLocation")
        self.assertEqual(0, status, "no uninstall entry (%r); Wine said:\n%s" % (values, self.wine.log_tail()))
        return values["string"]

    def path(self, *parts):
        """A path in the folder the last installation named."""
        return os.path.join(self.wine.unix_path(self.installed_folder), *parts)

    def reg(self, key, name=None):
        status, values = self.wine.probe("reg", key, *([name] if name else []))
        return values.get("string", values.get("dword")) if status == 0 else None

    def monitor(self, timeout=20):
        """(pid, image) of the running Monitor, or None."""
        status, values = self.wine.probe("find", "monitor", str(timeout))
        return (values["pid"], values["image"]) if status == 0 else None

    def settings(self, folder=None):
        return {name: read(os.path.join(folder or self.path(), name)) for name in SETTINGS}

    def known_folders(self):
        if not hasattr(self, "_known_folders"):
            self._known_folders = self.wine.probe("folders")[1]
        return self._known_folders

    def shortcut(self):
        """The Start menu shortcut, as a Windows path."""
        return self.known_folders()["programs"] + "\\Mervik.lnk"

    def assert_installed(self, version):
        folder = self.folder()
        self.assertEqual((self.known_folders()["localappdata"] + "\\Programs\\Mervik").lower(), folder.lower())

        stage = stage_dir(version)
        staged = files_under(stage)
        installed = files_under(self.wine.unix_path(folder))
        self.assertEqual(sorted(staged + ["Uninstall.exe"]), [f for f in installed if f in staged or
                                                              f == "Uninstall.exe"])
        programs = [f for f in staged if f not in SETTINGS]
        _, mismatch, errors = filecmp.cmpfiles(stage, self.path(), programs, shallow=False)
        self.assertEqual(([], []), (mismatch, errors))
        for name, info in versions(self.wine, *[self.path(f) for f in programs
                                                if f.endswith((".exe", ".dll"))]).items():
            assert_version(self, info, version, name)

        self.assertEqual('"%s\\Monitor.exe"' % folder, self.reg(RUN_KEY, "Mervik"))
        status, values = self.wine.probe("shortcut", self.shortcut())
        self.assertEqual(0, status, "no Start menu shortcut")
        self.assertEqual(folder + "\\Option.exe", values["target"])

        self.assertEqual(version, self.reg(UNINSTALL_KEY, "DisplayVersion"))
        self.assertEqual("Mervik", self.reg(UNINSTALL_KEY, "DisplayName"))
        self.assertTrue(self.reg(UNINSTALL_KEY, "Publisher"))
        self.assertEqual('"%s\\Uninstall.exe"' % folder, self.reg(UNINSTALL_KEY, "UninstallString"))
        size_kb = int(self.reg(UNINSTALL_KEY, "EstimatedSize"))
        on_disk_kb = sum(os.path.getsize(self.path(f)) for f in installed) // 1024
        self.assertLessEqual(abs(size_kb - on_disk_kb), len(installed),
                             "EstimatedSize %d KB, folder %d KB" % (size_kb, on_disk_kb))

        running = self.monitor()
        self.assertIsNotNone(running, "Monitor is not running after the installation")
        self.assertEqual((folder + "\\Monitor.exe").lower(), running[1].lower())
        return running

    def assert_uninstalled(self, folder):
        self.assertIsNone(self.reg(RUN_KEY, "Mervik"))
        self.assertIsNone(self.reg(UNINSTALL_KEY))
        self.assertFalse(os.path.exists(self.wine.unix_path(self.shortcut())))
        self.assertIsNone(self.monitor(timeout=0))
        left = files_under(folder) if os.path.isdir(folder) else []
        self.assertEqual([], [f for f in left if f not in SETTINGS])

    def test_install_reinstall_upgrade_uninstall(self):
        version, higher = ARGS.version, next_version(ARGS.version)
        seconds = self.install(version)
        print("installed in %.1f s" % seconds, file=sys.stderr)
        first_monitor = self.assert_installed(version)
        defaults = self.settings(stage_dir(version))
        self.assertEqual(without_device_key(defaults), without_device_key(self.settings()))
        mervikctl = self.wine.run(self.path("mervikctl.exe"), "--version").stdout.strip()
        self.assertEqual("mervikctl " + version, mervikctl)

        # The user's own settings: one profile changed, the macro file gone.
        profile = self.path("config", "Default2.gmp")
        changed = read(profile).replace(b"\r\n", b"\r\n; changed by the user\r\n", 1)
        with open(profile, "wb") as f:
            f.write(changed)
        os.remove(self.path("config", "sequence.dat"))

        # The same version again, with Monitor and Option running.
        option = self.wine.start(self.path("Option.exe"), stdout=subprocess.DEVNULL)
        self.assertEqual(0, self.wine.probe("find", "option", "30")[0], "Option did not start")
        self.install(version)
        self.assertEqual(0, option.wait(timeout=30), "Option did not end through its own exit path")
        second_monitor = self.assert_installed(version)
        self.assertNotEqual(first_monitor[0], second_monitor[0], "Monitor was not restarted")
        after = self.settings()
        self.assertEqual(changed, after["config/Default2.gmp"])
        self.assertEqual(defaults["config/sequence.dat"], after["config/sequence.dat"],
                         "the missing macro file did not get its default")

        # A higher version over it, with a Monitor this test started.
        self.assertEqual(0, self.wine.probe("end-monitor", "20")[0], "Monitor did not end from its tray command")
        monitor = self.wine.start(self.path("Monitor.exe"), stdout=subprocess.DEVNULL)
        own_monitor = self.monitor()
        self.assertIsNotNone(own_monitor)
        self.install(higher)
        self.assertEqual(0, monitor.wait(timeout=30), "Monitor did not end through its own exit path")
        upgraded_monitor = self.assert_installed(higher)
        self.assertNotEqual(own_monitor[0], upgraded_monitor[0])
        self.assertEqual(after, self.settings())

        # Silent uninstall: the programs go, the settings stay.
        folder = self.path()
        self.assertEqual(0, self.wine.run(self.path("Uninstall.exe"), "/S", capture=False).returncode)
        self.assertTrue(wait_for(lambda: self.reg(UNINSTALL_KEY) is None and
                                 not os.path.exists(os.path.join(folder, "Uninstall.exe")), 60),
                        "the uninstaller did not finish")
        self.assert_uninstalled(folder)
        self.assertEqual(after, self.settings(folder))

    def test_uninstall_with_the_settings(self):
        self.install(ARGS.version)
        self.assertIsNotNone(self.monitor())
        folder = self.path()
        # A save cut short leaves a temporary beside its file.
        with open(os.path.join(folder, "config", "Default0.gmp.12.0.tmp"), "wb") as f:
            f.write(b"partial")
        self.wine.start(os.path.join(folder, "Uninstall.exe"), stdout=subprocess.DEVNULL)
        status, _ = self.wine.probe("tick-and-proceed", "Mervik Uninstall", "&Remove my settings too", "60")
        self.assertEqual(0, status, "the uninstaller's settings box was not found or not ticked")
        self.assertTrue(wait_for(lambda: not os.path.exists(folder), 60),
                        "left behind: %s" % (files_under(folder) if os.path.isdir(folder) else []))
        self.assert_uninstalled(folder)


    def test_a_program_file_in_use_fails_the_setup(self):
        version, higher = ARGS.version, next_version(ARGS.version)
        self.install(version)
        holder = self.wine.start(ARGS.probe, "hold", Wine.windows_path(self.path("lan.dll")),
                                 stdin=subprocess.PIPE)
        try:
            self.assertEqual("held=1", holder.stdout.readline().strip())
            done = self.wine.run(setup_program(higher), "/S", capture=False)
            self.assertNotEqual(0, done.returncode, "the setup ended as if lan.dll had been replaced")
            self.assertEqual(version, self.reg(UNINSTALL_KEY, "DisplayVersion"))
        finally:
            holder.stdin.close()
            holder.wait(timeout=30)
        # Once the file is free the same setup completes.
        self.install(higher)
        self.assert_installed(higher)


class PortableZip(InWine):
    prefix_name = "tools"
    fresh = False

    def test_unpacks_to_a_folder_monitor_starts_from(self):
        archive = os.path.join(packages_dir(), "Mervik-%s-win64.zip" % ARGS.version)
        target = os.path.join(ARGS.out, "portable")
        shutil.rmtree(target, ignore_errors=True)
        subprocess.check_call(["unzip", "-q", archive, "-d", target])
        self.assertEqual(["Mervik"], os.listdir(target))
        folder = os.path.join(target, "Mervik")
        self.assertEqual(files_under(stage_dir(ARGS.version)), files_under(folder))

        monitor = self.wine.start(os.path.join(folder, "Monitor.exe"), stdout=subprocess.DEVNULL)
        status, values = self.wine.probe("find", "monitor", "20")
        self.assertEqual(0, status, "Monitor did not start from the unpacked folder")
        self.assertEqual(Wine.windows_path(os.path.join(folder, "Monitor.exe")).lower(), values["image"].lower())
        self.assertEqual(0, self.wine.probe("end-monitor", "20")[0])
        self.assertEqual(0, monitor.wait(timeout=30))


def main():
    global ARGS
    parser = argparse.ArgumentParser()
    for option in ("--build", "--cmake", "--make-packages", "--probe", "--version", "--out"):
        parser.add_argument(option, required=True)
    parser.add_argument("--shipped", action="append", default=[])
    ARGS, rest = parser.parse_known_args()
    os.makedirs(ARGS.out, exist_ok=True)
    unittest.main(argv=[sys.argv[0]] + rest, verbosity=2)


if __name__ == "__main__":
    main()
