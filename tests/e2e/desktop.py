# A private desktop: an X server with a window manager, and a sound server whose default sink
# is a null sink; and what a person does, sees and hears there.
import array
import copy
import math
import os
import re
import time
from collections import namedtuple

from PIL import Image

from harness import run, wait_for

Box = namedtuple("Box", "left top right bottom")  # on the screen, as Pillow's crop() takes it
SINK = "zarvo_e2e"
RAW = ["-t", "raw", "-r", "44100", "-e", "signed", "-b", "16", "-c", "1"]
# Bands of sox filters: the hum's motor tone lies below 400 Hz, the turn chirps between 800 and
# 1500 Hz, the crash's noise reaches far above 3 kHz.
ALL, LOW, CHIRP, HIGH = "", "sinc -400", "sinc 800-1500", "sinc 3000"
HEARD, SILENT = 0.05, 0.002  # RMS: a cue playing; nothing playing (the null sink records zeros)


class Desktop:
    # Xvfb with a screen of `screen` (WIDTHxHEIGHTxDEPTH) on a display number it picks itself,
    # `window_manager` (a command line) on it, and `game_env` added to each game's environment.
    # `title_points` makes openbox's title font that big, and so its title bar tall.
    def __init__(self, processes, env, screen="1280x800x24", window_manager=("openbox",),
                 game_env=(), title_points=None):
        self.processes, self.size = processes, tuple(int(n) for n in screen.split("x")[:2])
        reader, writer = os.pipe()
        # -noreset: no reset, which refuses connections for a moment, when the last client leaves.
        processes.start("xvfb", ["Xvfb", "-displayfd", str(writer), "-screen", "0", screen,
                                 "-nolisten", "tcp", "-noreset"], env, pass_fds=(writer,))
        os.close(writer)
        with os.fdopen(reader) as display:
            number = display.readline().strip()
        assert number.isdigit(), "Xvfb did not start"
        self.env = dict(env, DISPLAY=":" + number)
        self.game_env = dict(self.env, QT_QPA_PLATFORM="xcb", **dict(game_env))
        if title_points:
            os.makedirs(folder := f"{env['HOME']}/.config/openbox")
            usual = open("/etc/xdg/openbox/rc.xml").read()
            print(usual.replace("<size>8</size>", f"<size>{title_points}</size>"),
                  file=open(f"{folder}/rc.xml", "w"))
        processes.start("window-manager", list(window_manager), self.env)
        wait_for("a window manager runs", lambda: "window id" in self.x(
            "xprop", "-root", "_NET_SUPPORTING_WM_CHECK"), 20)
        self.start_sound_server()

    def start_sound_server(self):  # its socket: $XDG_RUNTIME_DIR/pulse/native
        self.sound_server = self.processes.start("pulseaudio", [
            "pulseaudio", "--daemonize=no", "--exit-idle-time=-1", "-n",  # -n: no hardware
            "--load=module-native-protocol-unix", f"--load=module-null-sink sink_name={SINK}"],
            self.env)
        wait_for("a sound server runs", lambda: run("pactl", "set-default-sink", SINK,
                                                    env=self.env, status=None).returncode == 0, 20)
        # A null sink only advances while something plays into it; zeros keep it in real time.
        self.processes.start("pacat", ["pacat", "-d", SINK, "/dev/zero"], self.env)

    def resize(self, width, height):  # the screen, as on a smaller monitor
        mode = f"{width}x{height}"
        self.x("xrandr", "--newmode", mode, *f"0 {width} 0 0 0 {height} 0 0 0".split())
        self.x("xrandr", "--addmode", "screen", mode)
        self.x("xrandr", "--output", "screen", "--mode", mode, "--fb", mode)
        self.size = (width, height)

    def resource(self, name, value):  # one X resource, such as Xft.dpi, as xrdb stores it
        self.x("xprop", "-root", "-f", "RESOURCE_MANAGER", "8s", "-set", "RESOURCE_MANAGER",
               f"{name}:\t{value}\n")

    def wayland(self):  # weston over the whole screen, with XWayland: this desktop as seen there
        log = f"{self.processes.log_dir}/weston.log"
        self.processes.start("weston", [
            "weston", "--backend=x11-backend.so", "--fullscreen", "--use-pixman", "--xwayland",
            "--socket=zarvo-e2e", "--idle-time=0"], self.env)
        display = wait_for("XWayland", lambda: re.search(
            r"xserver listening on display (:\d+)", open(log).read()), 20)[1]
        inner = copy.copy(self)  # keys and screenshots still go through this X server
        inner.env = dict(self.env, DISPLAY=display)
        inner.game_env = dict(inner.env, WAYLAND_DISPLAY="zarvo-e2e")  # the game picks XWayland
        # weston does not say how wide its frames are.
        inner.screenshot, inner.xdotool, inner.frame = self.screenshot, self.xdotool, inner.client
        return inner

    def x(self, *argv):  # an X client, run to its end: its output
        return run(*argv, env=self.env).stdout

    def xdotool(self, *argv):  # presses keys, clicks, asks for and activates windows
        return self.x("xdotool", *argv)

    def screenshot(self):
        shot = run("import", "-window", "root", "-depth", "8", "rgb:-", env=self.env, text=False)
        return Image.frombytes("RGB", self.size, shot.stdout)

    def record(self, path, during, after):
        # What the speakers play while during() acts and `after` seconds more, as raw samples.
        with open(path, "wb") as raw:
            parec = self.processes.start("parec", [
                "parec", "-d", SINK + ".monitor", "--rate=44100", "--channels=1",
                "--latency-msec=20"], self.env, stdout=raw)
        wait_for("the recording runs", lambda: os.path.getsize(path), 10)
        during()
        time.sleep(after)
        self.processes.stop(parec)
        return Recording(path)

    def windows(self, *criteria):  # the visible ones xdotool search finds: "--name", "^Score"
        found = run("xdotool", "search", "--onlyvisible", *criteria, env=self.env, status=None)
        return found.stdout.split()

    def client(self, window):  # the window's own area
        x, y, width, height = map(int, re.search(
            r"X:\s+(-?\d+).*?Y:\s+(-?\d+).*?Width: (\d+)\s+Height: (\d+)",
            self.x("xwininfo", "-id", window), re.S).groups())
        return Box(x, y, x + width, y + height)

    def frame(self, window):  # with the window manager's frame around it; None before that
        extents = self.x("xprop", "-id", window, "_NET_FRAME_EXTENTS").partition("=")[2]
        if not extents:
            return None
        left, right, top, bottom = map(int, extents.split(","))
        inner = self.client(window)
        return Box(inner.left - left, inner.top - top, inner.right + right, inner.bottom + bottom)


# A recording of the speakers, as the RMS level of every 10 ms, 0 to 1 of full scale.
class Recording:
    def __init__(self, path):
        self.path, self.bands = path, {}

    def levels(self, band, start=0.0, end=None):  # seconds from the start of the recording
        if band not in self.bands:
            out = run("sox", *RAW, self.path, *RAW, "-", *band.split(), text=False).stdout
            samples = array.array("h", out)
            self.bands[band] = [math.sqrt(sum(s * s for s in samples[i:i + 441]) / 441) / 32768
                                for i in range(0, len(samples) - 440, 441)]
        return self.bands[band][round(start * 100):None if end is None else round(end * 100)]

    def first(self, band, passes, after=0.0):  # when the level first passes(level), or None
        found = (i for i, level in enumerate(self.levels(band, after)) if passes(level))
        return next((after + i / 100 for i in found), None)
