"""The game as a person sees it: its process, its windows and the arena on the screen."""

import subprocess
from dataclasses import dataclass

from waiting import Failure, check, wait_for
from xserver import Rect

MAIN_TITLE = "^Zarvo Cycles"
SCORE_TITLE = "^Scoreboard$"

CLIENT_WIDTH = 626
BELOW_MENU_BAR = 512
ARENA_AT = (8, 12)  # within the area below the menu bar
COLUMNS, ROWS, CELL = 61, 47, 10
SPLASH_SIZE = 304
SPLASH_LIFT = 40

ETCHED_GREY = (128, 128, 128)
WHITE = (255, 255, 255)
GRID_GREY = (63, 63, 63)
PLAYER_1 = (36, 255, 0)


@dataclass(frozen=True)
class Layout:
    client: Rect  # the main window's own area
    frame: Rect  # with the window manager's frame
    surface: Rect  # the area below the menu bar

    @property
    def arena(self):
        return Rect(self.surface.x + ARENA_AT[0], self.surface.y + ARENA_AT[1], 610, 472)

    def cell_pixel(self, x, y, dx=4, dy=4):
        """A pixel of cell (x, y) on the screen; pixel (4, 4) of a cell lies on every trail
        piece, corner and head."""
        return self.arena.x + CELL * x + dx, self.arena.y + CELL * y + dy


class Game:
    def __init__(self, x, processes, program, arguments, env, name="game"):
        self.x = x
        self.processes = processes
        env = dict(x.env, **env)
        env["QT_QPA_PLATFORM"] = "xcb"  # whatever the test environment exported
        self.process = processes.start(name, [program, *arguments], env)
        try:
            self.window = wait_for("the game window", self._main_window, timeout=30)
            self.layout = wait_for("the window to be framed and painted", self._painted, timeout=30)
        except BaseException:
            self.stop()
            raise

    def _main_window(self):
        check(self.process.poll() is None, f"the game ended early ({self.process.returncode})")
        found = self.x.visible_windows(MAIN_TITLE)
        return found[0] if len(found) == 1 else None

    def _painted(self):
        client = self.x.client_rect(self.window)
        try:
            frame = self.x.frame_rect(self.window)
        except Failure:
            return None  # not framed yet
        image = self.x.screenshot()
        surface_top = find_etched_rule(image, client)
        if surface_top is None:
            return None
        surface = Rect(client.x, surface_top, client.width, client.bottom - surface_top)
        return Layout(client, frame, surface)

    # --- the arena ---

    def green_cells(self, image):
        """The cells of the arena that show player 1's colour."""
        found = set()
        for y in range(ROWS):
            for x in range(COLUMNS):
                if image.pixel(*self.layout.cell_pixel(x, y)) == PLAYER_1:
                    found.add((x, y))
        return found

    def arena_is_cleared_grid(self, image):
        """Most cells show the empty tile: black with the grey cross through pixel 5."""
        empty = 0
        for y in range(0, ROWS, 3):
            for x in range(0, COLUMNS, 3):
                cross = image.pixel(*self.layout.cell_pixel(x, y, 5, 2))
                corner = image.pixel(*self.layout.cell_pixel(x, y, 1, 1))
                empty += cross == GRID_GREY and corner == (0, 0, 0)
        return empty > 0.9 * len(range(0, ROWS, 3)) * len(range(0, COLUMNS, 3))

    def arena_picture(self, image):
        a = self.layout.arena
        return image.crop(a.x, a.y, a.width, a.height).rgb

    # --- the process ---

    def wait_exit(self, timeout):
        try:
            return self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            return None

    def running(self):
        return self.process.poll() is None

    def stop(self):
        self.processes.stop(self.process)


def find_etched_rule(image, client):
    """The top of the area below the menu bar: its rows 1 and 2 are a grey over a white line
    across the window."""
    x = client.x + client.width // 2
    for y in range(client.y, client.bottom - 2):
        if image.pixel(x, y + 1) == ETCHED_GREY and image.pixel(x, y + 2) == WHITE:
            if image.pixel(client.x + 3, y + 1) == ETCHED_GREY:
                return y
    return None


def trail_from_column_1(cells):
    """Player 1's trail along its start row: (row, number of cells from column 1 rightwards),
    or None if no start row shows green at column 1."""
    rows = [y for (x, y) in cells if x == 1]
    if len(rows) != 1:
        return None
    row = rows[0]
    length = 0
    while (1 + length, row) in cells:
        length += 1
    return row, length
