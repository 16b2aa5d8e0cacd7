#!/usr/bin/python3
"""A private desktop for the end-to-end tests with the real Orca screen
reader: an X server, a session bus, the accessibility bus, a window manager
and Orca writing what it says to its debug log; and a learner who types keys
as a person does."""

import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
import unittest

# Bounded waits: a step that Orca does not answer within this fails the test.
STEP_SECONDS = 6.0
# Exit code of a run in which Orca and its helpers cannot start.
SKIP = 77
# The vocabulary file every test trains with, as pairs of side A and side B.
WORDS = [("rot", "red"), ("grün", "green"), ("Tür", "door")]

# Orca writes its debug log through a block buffer, so what it said shows up
# only kilobytes later; started through this, the log is written line by line.
ORCA_LINE_BUFFERED = """
import builtins, runpy, sys
log = sys.argv[sys.argv.index("--debug-file") + 1]
real_open = builtins.open
def line_buffered_log(file, mode="r", *args, **kwargs):
    if file == log and "w" in mode:
        return real_open(file, mode, buffering=1, encoding="utf-8")
    return real_open(file, mode, *args, **kwargs)
builtins.open = line_buffered_log
sys.argv[0] = "/usr/bin/orca"
runpy.run_path("/usr/bin/orca", run_name="__main__")
"""


class Desktop:
    """Xvfb, a session bus, the accessibility bus, a window manager and Orca."""

    def __init__(self, world):
        self.world = world
        self.processes = []
        self.env = dict(os.environ)
        for name in ("HOME", "XDG_CONFIG_HOME", "XDG_RUNTIME_DIR", "XDG_DATA_HOME", "XDG_CACHE_HOME"):
            self.env.pop(name, None)
        home = os.path.join(world, "home")
        runtime = os.path.join(world, "run")
        os.makedirs(home)
        os.makedirs(runtime, mode=0o700)
        self.env.update(HOME=home, XDG_CONFIG_HOME=os.path.join(world, "config"),
                        XDG_RUNTIME_DIR=runtime, LANG="C.UTF-8", LC_ALL="C.UTF-8")
        self.env.pop("WAYLAND_DISPLAY", None)
        self.log = os.path.join(world, "orca.log")

    def spawn(self, args, **kwargs):
        process = subprocess.Popen(args, env=self.env, stdin=subprocess.DEVNULL,
                                   stdout=kwargs.pop("stdout", subprocess.DEVNULL),
                                   stderr=subprocess.DEVNULL, **kwargs)
        self.processes.append(process)
        return process

    def start(self):
        read_end, write_end = os.pipe()
        self.spawn(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x800x24",
                    "-nolisten", "tcp"], pass_fds=(write_end,))
        os.close(write_end)
        with os.fdopen(read_end) as pipe:
            display = pipe.readline().strip()
        if not display:
            raise RuntimeError("Xvfb did not start")
        self.env["DISPLAY"] = ":" + display
        # A German keyboard has the umlauts on keys of their own; typed on the
        # default layout, xdotool remaps a spare key for each, and the program
        # may read the key before the new mapping and lose the letter.
        subprocess.run(["setxkbmap", "de"], env=self.env, check=False)

        bus = self.spawn(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                         stdout=subprocess.PIPE, text=True)
        address = bus.stdout.readline().strip()
        if not address:
            raise RuntimeError("the session bus did not start")
        self.env["DBUS_SESSION_BUS_ADDRESS"] = address

        self.spawn(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
        self.spawn(["openbox"])
        # A program that maps its window before the window manager runs is
        # never framed nor given the keyboard, and Orca then hears nothing of
        # it; the manager is up once it names the current desktop.
        deadline = time.monotonic() + 10
        while subprocess.run(["xdotool", "get_desktop"], env=self.env, stdout=subprocess.DEVNULL,
                             stderr=subprocess.DEVNULL).returncode != 0:
            if time.monotonic() > deadline:
                raise RuntimeError("the window manager did not start")
            time.sleep(0.1)
        prefs = os.path.join(self.world, "orca")
        os.makedirs(prefs)
        self.spawn(["/usr/bin/python3", "-c", ORCA_LINE_BUFFERED, "-u", prefs, "--debug-file", self.log])
        if not self.wait_for(lambda said: any("Screen reader on" in s for s in said), 30, 0):
            raise RuntimeError("Orca did not start")

    def stop(self):
        for process in reversed(self.processes):
            process.terminate()
        for process in reversed(self.processes):
            try:
                process.wait(5)
            except subprocess.TimeoutExpired:
                process.kill()

    def utterances(self):
        """What Orca said, in order, each with whether Orca said it as the echo
        of text inserted into the focused field after a Ctrl command."""
        try:
            with open(self.log, encoding="utf-8", errors="replace") as f:
                text = f.read()
        except FileNotFoundError:
            return []
        said = []
        for match in re.finditer(r"SPEECH OUTPUT: '(.*?)'\s*[\[{]", text, re.S):
            before = text[max(0, match.start() - 300):match.start()]
            said.append((re.sub(r"\s*\n\s*", " ", match.group(1)).strip(),
                         "Insertion is believed to be due to command" in before))
        return said

    def speech(self, start=0):
        """Everything Orca said from utterance number start on."""
        return [s for s, _ in self.utterances()[start:]]

    def wait_for(self, condition, seconds, start):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            if condition(self.speech(start)):
                return True
            time.sleep(0.1)
        return False

    def settle(self, start, quiet=0.8, seconds=STEP_SECONDS):
        """Waits until Orca has said nothing new for a moment."""
        deadline = time.monotonic() + seconds
        count, since = len(self.speech(start)), time.monotonic()
        while time.monotonic() < deadline:
            time.sleep(0.1)
            now = len(self.speech(start))
            if now != count:
                count, since = now, time.monotonic()
            elif time.monotonic() - since >= quiet:
                break
        return self.speech(start)

    def xdotool(self, *args):
        subprocess.run(["xdotool", *args], env=self.env, check=True)


class Learner:
    """Keys as a person types them: modifier down, key down, key up, modifier
    up. Two xdotool runs may overtake each other in the X server, so the next
    key waits until Orca has heard the last one."""

    def __init__(self, desktop):
        self.desktop = desktop

    @staticmethod
    def key_steps(key, modifier=None):
        steps = []
        if modifier:
            steps += ["keydown", modifier, "sleep", "0.05"]
        steps += ["keydown", key, "sleep", "0.05", "keyup", key]
        if modifier:
            steps += ["sleep", "0.05", "keyup", modifier]
        return steps

    def press(self, key, modifier=None):
        self.desktop.xdotool(*self.key_steps(key, modifier))

    def answer(self, text):
        """Types the answer and presses Enter."""
        start = len(self.desktop.speech())
        self.desktop.xdotool("type", "--delay", "60", text)
        self.desktop.settle(start, quiet=0.4)
        self.press("Return")


class OrcaTestCase(unittest.TestCase):
    """The program started under Orca on a desktop of its own, shared by the
    tests of one file; each test starts the program anew."""

    program = None
    desktop = None

    @classmethod
    def setUpClass(cls):
        missing = [tool for tool in ("orca", "Xvfb", "dbus-daemon", "openbox", "xdotool")
                   if not shutil.which(tool)]
        if not os.path.exists("/usr/libexec/at-spi-bus-launcher"):
            missing.append("at-spi-bus-launcher")
        if missing:
            raise unittest.SkipTest("cannot start Orca here, missing: " + ", ".join(missing))
        cls.world = tempfile.mkdtemp(prefix="lw-orca-")
        cls.desktop = Desktop(cls.world)
        try:
            cls.desktop.start()
        except (RuntimeError, OSError) as e:
            cls.desktop.stop()
            raise unittest.SkipTest("cannot start Orca here: %s" % e)

    @classmethod
    def tearDownClass(cls):
        if cls.desktop:
            cls.desktop.stop()
        if not os.environ.get("LW_KEEP_WORLD"):
            shutil.rmtree(cls.world, ignore_errors=True)

    def setUp(self):
        self.running = None
        self.learner = Learner(self.desktop)

    def tearDown(self):
        if self.running:
            self.running.terminate()
            try:
                self.running.wait(5)
            except subprocess.TimeoutExpired:
                self.running.kill()

    def start_program(self, lerntyp, anzeigetyp, files=None, chosen=None):
        """The program over vocabulary files of its own in the documents data
        folder (by default one of WORDS), the chosen ones (by default all)
        named in "Filenames.ini", in the given mode and direction, with
        sounds off; returns what Orca said until the main window was read."""
        env = self.desktop.env
        if files is None:
            files = {"farben.txt": ["Farben"] + [side for pair in WORDS for side in pair]}
        folder = os.path.join(env["HOME"], "Documents", "Lernwendel")
        os.makedirs(os.path.join(folder, "Daten"), exist_ok=True)
        for name, lines in files.items():
            with open(os.path.join(folder, "Daten", name), "wb") as f:
                f.write(b"\xef\xbb\xbf" + "\r\n".join(lines).encode("utf-8") + b"\r\n")
        ini = "".join("Filename%d=%s\r\n" % (i + 1, name)
                      for i, name in enumerate(files if chosen is None else chosen))
        with open(os.path.join(folder, "Filenames.ini"), "wb") as f:
            f.write(("[Filenames]\r\n" + ini).encode("utf-8"))
        key = os.path.join(env["XDG_CONFIG_HOME"], "Lernwendel", "registry", "HKEY_CURRENT_USER",
                           "Software", "Lernwendel.reg")
        os.makedirs(os.path.dirname(key), exist_ok=True)
        self.key = key
        with open(key, "w", encoding="utf-8") as f:
            f.write("Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\Lernwendel]\n"
                    '"AktOrdner"=dword:00000001\n"Lerntyp"=dword:%08x\n"Anzeigetyp"=dword:%08x\n'
                    '"ZufallS"=dword:00000000\n"Sounds"=dword:00000000\n' % (lerntyp, anzeigetyp))
        start = len(self.desktop.speech())
        program_env = dict(env, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
        self.running = subprocess.Popen([OrcaTestCase.program], env=program_env,
                                        stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)
        ready = self.desktop.wait_for(lambda said: any(s.startswith("Frage") for s in said), 20, start)
        self.assertTrue(ready, "the main window was not read: %r" % self.desktop.speech(start))
        return self.desktop.settle(start)

    def step(self, action, expected):
        """Runs one action of the learner and returns what Orca said for it,
        once every expected text was said or the wait ran out."""
        start = len(self.desktop.speech())
        action()
        self.desktop.wait_for(lambda said: all(any(e in s for s in said) for e in expected),
                              STEP_SECONDS, start)
        said = self.desktop.settle(start)
        if os.environ.get("LW_SHOW_SPEECH"):
            print("SAID: %r" % said, file=sys.stderr)
        for text in expected:
            self.assertTrue(any(text in s for s in said), "not said: %r; Orca said %r" % (text, said))
        return said


def run_tests(usage):
    """Runs the tests of the calling file on the program named first on the
    command line; exits SKIP when every test was skipped."""
    if len(sys.argv) < 2:
        sys.exit(usage)
    OrcaTestCase.program = sys.argv.pop(1)
    result = unittest.main(module="__main__", exit=False, verbosity=2).result
    if result.skipped and not result.failures and not result.errors and result.testsRun == len(result.skipped):
        print("SKIPPED: " + result.skipped[0][1])
        sys.exit(SKIP)
    sys.exit(0 if result.wasSuccessful() else 1)
