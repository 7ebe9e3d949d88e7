"""A private X server with a window manager, and what a person does and sees there."""

import os
import re
import select
import subprocess
from dataclasses import dataclass

from image import Image
from waiting import Failure, wait_for

SCREEN = "1280x800x24"


@dataclass(frozen=True)
class Rect:
    x: int
    y: int
    width: int
    height: int

    @property
    def right(self):
        return self.x + self.width

    @property
    def bottom(self):
        return self.y + self.height


class XServer:
    """Xvfb on a display number it picks itself (-displayfd), and openbox on it."""

    def __init__(self, processes, env):
        self.processes = processes
        self.env = dict(env)

    def start(self):
        reader, writer = os.pipe()
        try:
            self.processes.start(
                "xvfb",
                ["Xvfb", "-displayfd", str(writer), "-screen", "0", SCREEN, "-nolisten", "tcp"],
                self.env,
                pass_fds=(writer,),
            )
            os.close(writer)
            number = _read_line(reader, timeout=20)
        finally:
            os.close(reader)
        if not number.isdigit():
            raise Failure("Xvfb did not report its display number")
        self.env["DISPLAY"] = ":" + number
        self.processes.start("openbox", ["openbox"], self.env)
        wait_for("openbox to manage the screen", self._window_manager_running, timeout=20)

    def _window_manager_running(self):
        found = self.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], check=False)
        return "window id" in found

    def run(self, argv, check=True, timeout=20):
        result = subprocess.run(
            argv, env=self.env, capture_output=True, text=True, timeout=timeout
        )
        if check and result.returncode != 0:
            raise Failure(f"{' '.join(argv)} failed: {result.stderr.strip()}")
        return result.stdout

    # --- seeing ---

    def screenshot(self):
        ppm = subprocess.run(
            ["import", "-window", "root", "-depth", "8", "ppm:-"],
            env=self.env,
            capture_output=True,
            timeout=20,
            check=True,
        ).stdout
        return Image.from_ppm(ppm)

    def visible_windows(self, name_pattern):
        found = self.run(
            ["xdotool", "search", "--onlyvisible", "--name", name_pattern], check=False
        )
        return [int(line) for line in found.split()]

    def client_rect(self, window):
        """The window's own area, on the screen."""
        info = self.run(["xwininfo", "-id", str(window)])

        def field(name):
            return int(re.search(rf"{name}:\s+(-?\d+)", info).group(1))

        return Rect(
            field("Absolute upper-left X"),
            field("Absolute upper-left Y"),
            field("Width"),
            field("Height"),
        )

    def frame_rect(self, window):
        """The window with the frame the window manager put around it."""
        extents = self.run(["xprop", "-id", str(window), "_NET_FRAME_EXTENTS"])
        numbers = re.findall(r"\d+", extents.partition("=")[2])
        if len(numbers) != 4:
            raise Failure(f"window {window} has no frame extents: {extents.strip()}")
        left, right, top, bottom = map(int, numbers)
        client = self.client_rect(window)
        return Rect(
            client.x - left,
            client.y - top,
            client.width + left + right,
            client.height + top + bottom,
        )

    def active_window(self):
        found = self.run(["xdotool", "getactivewindow"], check=False).strip()
        return int(found) if found.isdigit() else None

    # --- acting: real input events only ---

    def key(self, *keys):
        self.run(["xdotool", "key", "--delay", "30", *keys])

    def click(self, x, y):
        self.run(["xdotool", "mousemove", str(x), str(y), "click", "1"])


def _read_line(fd, timeout):
    text = b""
    while not text.endswith(b"\n"):
        ready, _, _ = select.select([fd], [], [], timeout)
        if not ready:
            break
        piece = os.read(fd, 64)
        if not piece:
            break
        text += piece
    return text.decode().strip()
