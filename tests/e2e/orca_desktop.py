#!/usr/bin/python3
"""A private desktop for the end-to-end tests with the real Orca screen
reader: an X server, a session bus, the accessibility bus, a window manager
and Orca writing what it says to its debug log; and a learner who types keys
as a person does."""

import os
import re
import subprocess
import time

# Bounded waits: a step that Orca does not answer within this fails the test.
STEP_SECONDS = 6.0

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

        bus = self.spawn(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                         stdout=subprocess.PIPE, text=True)
        address = bus.stdout.readline().strip()
        if not address:
            raise RuntimeError("the session bus did not start")
        self.env["DBUS_SESSION_BUS_ADDRESS"] = address

        self.spawn(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
        self.spawn(["openbox"])
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
