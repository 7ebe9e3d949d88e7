# The game as a person sees it: its process, its window and the arena on the screen. It runs
# until the session ends.
from PIL import Image

from desktop import Box
from harness import wait_for

# Seeds found with zarvo-sim, which plays the same rules from the same seed.
# STEADY: player 1 starts in row 37, the computer in another colour; for an Up anywhere from
# move 8 to move 22 and a Right 3 to 35 moves after it, the match runs on for at least 39 moves
# after the Right, and for 60 moves without keys.
# APART: in a deathmatch, player 1 starts in row 33 heading right, player 2 in row 14 heading
# left; zigzagging on alternate ticks from any move up to 16 (Up, Right, Down, Right and S, A, W,
# A), they never meet, and after 88 turns they run into the side walls together at move 104.
STEADY, APART = "71", "7"
GREY, WHITE, BLACK, GRID, GREEN = (128,) * 3, (255,) * 3, (0,) * 3, (63,) * 3, (36, 255, 0)
BLUE = (0, 133, 255)


class Game:  # `env` adds to the game's environment; `x`, a desktop other than the session's
    def __init__(self, ctx, *arguments, program=None, env=(), x=None):
        self.x, program = x or ctx.x, program or f"{ctx.build_dir}/bin/zarvo-cycles"
        self.process = ctx.processes.start("game", [program, *arguments],
                                           dict(self.x.game_env, **dict(env)))
        self.window = wait_for("the game's window", self._window, 30)
        self.frame = wait_for("its frame", lambda: self.x.frame(self.window), 30)
        self.client = self.x.client(self.window)
        self.scale = (self.client.right - self.client.left) // 626  # device pixels per pixel
        self.below_menu = wait_for("the window painted", self._etched_rule, 30)
        left, top, s = self.client.left + 8 * self.scale, self.below_menu + 12 * self.scale, self.scale
        self.arena = Box(left, top, left + 610 * s, top + 472 * s)

    def _window(self):
        assert not self.ended(), f"the game ended early, with exit code {self.process.returncode}"
        found = self.x.windows("--name", "^Zarvo Cycles")
        return len(found) == 1 and found[0]

    def _etched_rule(self):  # the area below the menu bar opens with it: grey over white
        image, x, s = self.x.screenshot(), self.client.left + 3, self.scale
        for y in range(self.client.top, self.client.bottom - 2 * s):
            if (image.getpixel((x, y + s)), image.getpixel((x, y + 2 * s))) == (GREY, WHITE):
                return y

    def ended(self):
        return self.process.poll() is not None

    def picture(self):
        return self.x.screenshot().crop(self.arena).tobytes()

    def cleared(self):  # the splash gone; nothing left but the grid and the cycles' first cells
        colours = self.x.screenshot().crop(self.arena).getcolors(8)
        return colours and GRID in {colour for _, colour in colours}

    def green_cells(self, colour=GREEN):  # sampled at pixel (4, 4), on every trail piece and head
        left, top, right, bottom = self.arena
        cells = self.x.screenshot().crop((left - 1, top - 1, right - 1, bottom - 1))
        cells = cells.resize((61, 47), Image.Resampling.NEAREST).getdata()
        return {(i % 61, i // 61) for i, pixel in enumerate(cells) if pixel == colour}

    def trail(self):  # player 1's, from column 1 along its row: (row, length), if one row is there
        green = self.green_cells()
        rows = [y for x, y in green if x == 1]
        length = len(rows) == 1 and next(n for n in range(1, 62) if (n + 1, rows[0]) not in green)
        return length and (rows[0], length)
