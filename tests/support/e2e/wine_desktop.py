"""What every end-to-end script under Wine stands on: an X display of its own,
a Wine prefix of its own with one server for the whole script, real X input,
screenshots, and waiting for a condition instead of sleeping.

Each script owns its display and its prefix, so scripts may run side by side:
no two of them ever put windows on the same X server or share a Wine server.
A new prefix is a copy of one template prefix made once per checkout, since
booting a prefix costs far more than copying one.

    MERVIK_E2E_DISPLAY=:0   run on that display instead of a private Xvfb
                            (to watch a script at work)
"""
import contextlib
import fcntl
import os
import shutil
import subprocess
import sys
import time

ROOT = os.path.abspath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", ".."))
TEMPLATE = os.path.join(ROOT, "build", "wine-template")
LOCALES = os.path.join(ROOT, "build", "locale")
# What the template holds, in the names of the marks of a template and of
# the prefixes copied from it: a template made before a change is made again,
# and so is each prefix copied from an older one.
TEMPLATE_KIND = "fonts-2"
SCREEN = "1280x1024x24"
# Keeps wineboot from asking for Mono and Gecko, and the menu builder from
# starting with each session and writing menu entries for the installer's
# shortcuts into the real home.
DEFAULT_OVERRIDES = "mscoree,mshtml,winemenubuilder.exe="


def wait_for(predicate, timeout=10.0, step=0.05, longest_step=0.25):
    """Polls `predicate` until it returns something true or `timeout` seconds
    pass; returns its last answer. The pause between polls grows from `step`
    to `longest_step`: what comes at once is seen at once, and a long wait
    does not keep a core busy asking."""
    end = time.monotonic() + timeout
    last = predicate()
    while not last and time.monotonic() < end:
        time.sleep(step)
        step = min(step * 1.5, longest_step)
        last = predicate()
    return last


def probe_values(text):
    """The key=value tokens of a probe's answer as a dict."""
    values = {}
    for token in text.split():
        if "=" in token:
            key, value = token.split("=", 1)
            values[key] = value
    return values


def numbers(text):
    return [int(v) for v in text.split(",")]


def windows_path(path):
    """A Linux path as Wine's Z: drive sees it."""
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def reap(process):
    """Ends a program started with WineSession.start and closes its pipes."""
    if process.poll() is None:
        process.kill()
    process.wait()
    for pipe in (process.stdin, process.stdout, process.stderr):
        if pipe:
            pipe.close()


class XDisplay:
    """A private Xvfb; it chooses a free display itself (-displayfd)."""

    def __init__(self, screen=SCREEN):
        read_end, write_end = os.pipe()
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", screen, "-nolisten", "tcp"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
            start_new_session=True)
        os.close(write_end)
        with os.fdopen(read_end) as announced:
            number = announced.readline().strip()
        if not number:
            self.process.kill()
            raise RuntimeError("Xvfb did not start")
        self.name = ":" + number

    def stop(self):
        if self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(10)
            except subprocess.TimeoutExpired:
                self.process.kill()


def base_environment(prefix, display, debug="-all", overrides=DEFAULT_OVERRIDES):
    env = dict(os.environ)
    env.update(WINEPREFIX=prefix, WINEDEBUG=debug, WINEDLLOVERRIDES=overrides, WINEARCH="win64",
               DISPLAY=display)
    return env


# Fonts a Windows system has and Wine lacks, by what stands in for them:
# Microsoft YaHei, the face Option draws Chinese in, and the Chinese letters
# Windows links to its dialog fonts (message boxes, tooltips, menus).
CHINESE_FONT = "WenQuanYi Micro Hei"
FONT_KEYS = (
    ("HKCU\\Software\\Wine\\Fonts\\Replacements", "Microsoft YaHei", "REG_SZ", CHINESE_FONT),
) + tuple(
    ("HKLM\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontLink\\SystemLink", face, "REG_MULTI_SZ",
     "wqy-microhei.ttc," + CHINESE_FONT) for face in ("Tahoma", "MS Shell Dlg", "MS Shell Dlg 2"))


def chinese_user_locale():
    """The environment of a program whose user runs Windows in Simplified
    Chinese (its user-interface language) on a Western system: the code page
    stays 1252. Wine takes the language from LC_MESSAGES; the locale is made
    once per checkout with localedef (the system needs none installed)."""
    name = "zh_CN.UTF-8"
    os.makedirs(LOCALES, exist_ok=True)
    with open(LOCALES + ".lock", "w") as lock:
        fcntl.flock(lock, fcntl.LOCK_EX)
        if not os.path.exists(os.path.join(LOCALES, name, "LC_MESSAGES")):
            subprocess.check_call(["localedef", "-i", "zh_CN", "-f", "UTF-8", os.path.join(LOCALES, name)],
                                  stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return {"LOCPATH": LOCALES, "LC_MESSAGES": name}


def make_template():
    """Boots the template prefix once per checkout; concurrent callers wait."""
    os.makedirs(os.path.dirname(TEMPLATE), exist_ok=True)
    ready = os.path.join(TEMPLATE, ".mervik-template-ready-" + TEMPLATE_KIND)
    with open(TEMPLATE + ".lock", "w") as lock:
        fcntl.flock(lock, fcntl.LOCK_EX)
        if os.path.exists(ready):
            return
        shutil.rmtree(TEMPLATE, ignore_errors=True)
        display = XDisplay()
        try:
            env = base_environment(TEMPLATE, display.name)
            subprocess.call(["wineboot", "--init"], env=env, stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL)
            for key, name, kind, value in FONT_KEYS:
                subprocess.call(["wine", "reg", "add", key, "/v", name, "/t", kind, "/d", value, "/f"],
                                env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            subprocess.call(["wineserver", "-w"], env=env)
        finally:
            display.stop()
        if not os.path.exists(os.path.join(TEMPLATE, "system.reg")):
            raise RuntimeError("wineboot made no prefix in " + TEMPLATE)
        open(ready, "w").close()


# The system's own programs and libraries: read, never written, by the tests;
# a copied prefix shares them with the template instead of holding 600 MB more.
SHARED_IN_PREFIX = tuple(os.path.join("drive_c", "windows", d) + os.sep for d in ("system32", "syswow64", "winsxs"))


def copy_prefix(template, prefix):
    def copy(source, target):
        if os.path.relpath(source, template).startswith(SHARED_IN_PREFIX):
            os.link(source, target)
        else:
            shutil.copy2(source, target)

    shutil.copytree(template, prefix, symlinks=True, copy_function=copy)


class SessionStandIn:
    """A script's WineSession, made when the script runs: its test modules
    name it when they are imported, before it exists. `session` is the
    session itself; every other name is the session's."""

    def __init__(self):
        self.session = None

    def __getattr__(self, name):
        return getattr(self.session, name)


class WineSession:
    """One prefix, one X display and one Wine server for a whole script.

    `desktop` ("WxH") runs every program of the prefix inside one virtual
    desktop at the screen's corner (which also gives the tray a home);
    `screen` ("WxHxDEPTH") is the size of the private X display around it."""

    def __init__(self, prefix, desktop=None, debug="-all", overrides=DEFAULT_OVERRIDES, fresh=False,
                 log=None, screen=SCREEN):
        self.prefix = prefix
        self.log = log
        self.dpi = None  # the template's until set_dpi
        self.display = None
        shown = os.environ.get("MERVIK_E2E_DISPLAY")
        if not shown:
            self.display = XDisplay(screen)
        self.env = base_environment(prefix, shown or self.display.name, debug, overrides)
        try:
            self.prepare(desktop, fresh)
            self.start_server()
        except BaseException:
            self.close()
            raise

    def prepare(self, desktop, fresh):
        ready = os.path.join(self.prefix, ".mervik-ready-" + TEMPLATE_KIND)
        if fresh:
            self.stop_server()
            shutil.rmtree(self.prefix, ignore_errors=True)
        if os.path.exists(ready):
            return
        make_template()
        shutil.rmtree(self.prefix, ignore_errors=True)
        copy_prefix(TEMPLATE, self.prefix)
        if desktop:
            # Written into the user's hive while no server holds it: a
            # server started only to run reg would cost a whole session.
            with open(os.path.join(self.prefix, "user.reg"), "a", newline="\n") as hive:
                hive.write('\n[Software\\\\Wine\\\\Explorer] %d\n"Desktop"="mervik"\n' % time.time())
                hive.write('\n[Software\\\\Wine\\\\Explorer\\\\Desktops] %d\n"mervik"="%s"\n'
                           % (time.time(), desktop))
        open(ready, "w").close()

    # ---- the server ----

    def start_server(self):
        """A persistent server: programs of the script never meet one that is
        shutting down after the last program before them ended. The first
        program of a server starts the prefix's system processes, which keep
        its standard handles for as long as the server runs: that program is
        one with nothing to hold, so no later program's output pipe stays
        open after it ended."""
        self.stop_server()
        subprocess.check_call(["wineserver", "-p"], env=self.env)
        subprocess.call(["wine", "cmd", "/c", "exit"], env=self.env, stdin=subprocess.DEVNULL,
                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def stop_server(self):
        subprocess.call(["wineserver", "-k"], env=self.env, stderr=subprocess.DEVNULL)
        subprocess.call(["wineserver", "-w"], env=self.env, stderr=subprocess.DEVNULL)

    def restart(self):
        """Ends every program of the prefix and starts a fresh server."""
        self.start_server()

    def set_dpi(self, dpi):
        """The display's DPI (LogPixels: 96 is 100 %, 144 is 150 %) for every
        program of the prefix; ends the programs running, as a change of the
        display's scale followed by a new session would."""
        self.run("reg", "add", "HKCU\\Control Panel\\Desktop", "/v", "LogPixels", "/t", "REG_DWORD", "/d",
                 str(dpi), "/f")
        self.restart()
        self.dpi = dpi

    def map_drive(self, letter, folder):
        """Drive LETTER: of the prefix shows `folder` from now on: a short
        path for a test to type."""
        link = os.path.join(self.prefix, "dosdevices", letter.lower() + ":")
        if os.path.lexists(link):
            os.remove(link)
        os.symlink(os.path.abspath(folder), link)

    def close(self):
        self.stop_server()
        if self.display:
            self.display.stop()

    # ---- programs ----

    def _output(self):
        return open(self.log, "a") if self.log else contextlib.nullcontext(subprocess.DEVNULL)

    def run(self, exe, *args, timeout=120, cwd=None, capture=True, capture_errors=False):
        """Runs a program to its end. A program that starts others (which
        inherit its output) must not get a pipe this side waits to see
        closed: with capture=False its output goes where errors go."""
        with self._output() as errors:
            return subprocess.run(["wine", exe, *[str(a) for a in args]], env=self.env, cwd=cwd,
                                  stdout=subprocess.PIPE if capture else errors,
                                  stderr=subprocess.PIPE if capture_errors else errors, text=True,
                                  timeout=timeout)

    def output(self, exe, *args, **kwargs):
        """What a program printed. One that ended with a failure is written
        to the script's log with its status and what it said, so a case that
        then finds nothing to read says why; the case decides what the
        failure means."""
        done = self.run(exe, *args, capture_errors=True, **kwargs)
        if done.returncode != 0:
            print("%s %s: exit status %d: %s" % (os.path.basename(str(exe)), " ".join(str(a) for a in args),
                                                 done.returncode, done.stderr.strip()), file=sys.stderr)
        return done.stdout

    def start(self, exe, *args, cwd=None, stdout=subprocess.PIPE, stdin=None, env=None):
        """Starts a program and returns at once; `env` adds to the session's
        environment (chinese_user_locale)."""
        with self._output() as errors:
            return subprocess.Popen(["wine", exe, *[str(a) for a in args]], env=dict(self.env, **(env or {})),
                                    cwd=cwd, stdin=stdin, stdout=stdout, stderr=errors, text=True)

    # ---- the screen ----

    def xdotool(self, *args):
        subprocess.check_call(["xdotool", *[str(a) for a in args]], env=self.env)

    def screenshot(self, folder, name, rect):
        """Saves the screen's (left, top, right, bottom) as folder/name.png."""
        # Grabbed in this process (the system's Python and its PIL, which
        # scripts/bootstrap installs): a sixth of the CPU of a program per
        # picture.
        from PIL import ImageGrab
        os.makedirs(folder, exist_ok=True)
        path = os.path.join(folder, name + ".png")
        screen = ImageGrab.grab(xdisplay=self.env["DISPLAY"])
        left, top, right, bottom = rect
        # What lies off the screen is left out, as a crop of the screen would.
        screen.crop((max(left, 0), max(top, 0), min(right, screen.width), min(bottom, screen.height))).save(
            path, compress_level=1)
        return path


class Probe:
    """A probe program kept running for the whole session: it reads one
    command a line and ends each answer with a line holding only ".", so a
    question costs a pipe round trip instead of a Wine start."""

    END = "."

    def __init__(self, session, exe):
        self.session = session
        self.exe = exe
        self.process = None

    def ask(self, *command):
        if self.process is None or self.process.poll() is not None:
            self.process = self.session.start(self.exe, "serve", stdin=subprocess.PIPE)
        self.process.stdin.write(" ".join(str(c) for c in command) + "\n")
        self.process.stdin.flush()
        lines = []
        while True:
            line = self.process.stdout.readline()
            if not line:
                raise RuntimeError("the probe ended while answering %r" % (command,))
            line = line.rstrip("\r\n")
            if line == self.END:
                return "\n".join(lines) + ("\n" if lines else "")
            lines.append(line)

    def forget(self):
        """After the server was restarted the probe is gone with the rest."""
        if self.process is not None:
            reap(self.process)
            self.process = None


if __name__ == "__main__":
    # wine_desktop.py new-prefix DIR: DIR as a copy of the template (made
    # first if need be), for a prefix outside the scripts (scripts/wine-run).
    if len(sys.argv) != 3 or sys.argv[1] != "new-prefix" or os.path.exists(sys.argv[2]):
        sys.exit("usage: wine_desktop.py new-prefix DIR (DIR must not exist)")
    make_template()
    copy_prefix(TEMPLATE, sys.argv[2])
