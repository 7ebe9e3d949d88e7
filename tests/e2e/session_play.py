# One game under a window manager, driven by keys and clicks, judged from the screen; then the
# game on the desktops people play on: scale factors, a large font, a non-Latin layout.
import os
import re
import time

from game import BLACK, BLUE, GREEN, GREY, GRID, STEADY, WHITE, Game
from harness import wait_for
from round_trip import round_trip


def play(ctx):
    x, game = ctx.x, Game(ctx, "--seed", STEADY)
    client, frame, splash = game.client, game.frame, 304
    assert frame.right - frame.left > client.right - client.left, "the window has no frame"
    size = (client.right - client.left, client.bottom - game.below_menu)
    assert size == (626, 512), f"{size}: not 626 pixels wide with 512 below the menu bar"

    image = x.screenshot()
    left = client.left + (frame.right - frame.left - splash) // 2
    top = game.below_menu + (frame.bottom - frame.top - splash) // 2 - 40
    # Centred on the outer size, 40 pixels up: its raised bevel, white at the top left corner
    # and grey at the bottom right one, exactly there.
    corners = [image.getpixel(p) for p in ((left - 1, top - 1), (left, top),
                                            (left + splash - 1, top + splash - 1))]
    assert corners == [BLACK, WHITE, GREY], f"the splash is not at ({left}, {top}): {corners}"
    x.xdotool("mousemove", str(left + splash // 2), str(top + splash // 2), "click", "1")
    wait_for("a click on the splash clears the arena", game.cleared, 3)
    row, _ = wait_for("player 1's trail starts at column 1", game.trail, 2)
    wait_for("and grows right", lambda: trail(game, row, longer=9), 2)
    even(game, row)
    x.xdotool("key", "Up")
    wait_for("Up turns the head up", lambda: heads(game, 0, -1), 2)

    x.xdotool("key", "Pause")
    paused = wait_for("Pause freezes the arena", lambda: still(game), 3)
    time.sleep(0.7)
    assert game.picture() == paused, "the arena changed while paused"
    x.xdotool("key", "alt+s")
    board = wait_for("Alt+S shows the scoreboard", lambda: x.windows("--name", "^Score"), 5)[0]
    main = x.frame(game.window)
    wait_for("its frame at the right edge of the main window's",
             lambda: (x.frame(board) or main)[:2] == (main.right, main.top), 3)
    assert x.xdotool("getactivewindow").strip() == game.window, "the scoreboard is active"
    x.xdotool("key", "Pause")
    wait_for("Pause again resumes the match", lambda: game.picture() != paused, 1.5)
    x.xdotool("key", "Right")
    wait_for("the arrows still steer", lambda: heads(game, 1, 0), 2)
    shown = (main.left - 8, main.top - 8, x.frame(board).right + 8, main.bottom + 8)
    x.screenshot().crop(shown).save(ctx.artefact("match-with-scoreboard.png"))

    x.xdotool("key", "Pause")  # the match waits while the scoreboard is being closed
    x.xdotool("windowactivate", "--sync", board)
    x.xdotool("key", "alt+F4")
    wait_for("Alt+F4 on the scoreboard hides it", lambda: not x.windows("--name", "^Score"), 3)
    x.xdotool("windowactivate", "--sync", game.window)
    x.xdotool("key", "Pause")
    wait_for("the game to run on", lambda: heads(game, 1, 0), 2)
    for keys in (["space"], ["alt+g", "n"], ["ctrl+n"]):
        _, length = wait_for("a trail of 8 cells", lambda: trail(game, longer=7), 3)
        x.xdotool("key", keys[0])
        if keys[1:]:  # once the menu has dropped down, a second window of the game's
            wait_for("the menu to open", lambda: len(x.windows("--class", "Zarvo")) == 2, 3)
            x.xdotool("key", keys[1])
        row, short = wait_for(f"{keys} to restart", lambda: trail(game, shorter=length), 3)
        wait_for("its trail to grow", lambda: trail(game, row, longer=short + 1), 2)
    x.xdotool("key", "ctrl+q")
    wait_for("Ctrl+Q to end the game within a second", game.ended, 1)
    assert game.process.returncode == 0, f"Ctrl+Q: exit code {game.process.returncode}"
    round_trip(ctx)
    desktops(ctx)


def desktops(ctx):
    x = ctx.x  # twice the size asked for, then 150 % as GNOME sets it: both drawn at 2
    game = Game(ctx, "--seed", STEADY, env={"QT_SCALE_FACTOR": "2"})
    assert game.scale == 2, f"at factor 2, drawn at {game.scale} device pixels per pixel"
    x.xdotool("key", "space")
    row, _ = wait_for("a match at factor 2", lambda: trail(game, longer=9), 3)
    even(game, row)
    x.xdotool("key", "ctrl+q")
    x.resource("Xft.dpi", 144)
    game = Game(ctx, "--seed", STEADY)
    assert game.scale == 2, f"at 150 %, drawn at {game.scale} device pixels per pixel, not 2"
    x.xdotool("key", "space")
    row, _ = wait_for("a match at twice the size", lambda: trail(game, longer=9), 3)
    even(game, row)
    beside(ctx, game, "scale-1.5.png")
    x.xdotool("key", "ctrl+q")
    x.resource("Xft.dpi", 96)

    # A Wayland session: the arrows steer with the Scoreboard beside the game.
    game = Game(ctx, "--seed", STEADY, x=x.wayland())
    x.xdotool("key", "space")
    wait_for("a match under weston", lambda: trail(game, longer=5), 3)
    beside(ctx, game, "weston.png", game.x)
    x.xdotool("key", "Up")
    wait_for("the arrows steer", lambda: heads(game, 0, -1), 2)
    x.xdotool("key", "ctrl+q")

    # 150 % on 1366 x 768, a 14 pt font, a tall title bar, a ru layout and eight players.
    x.resize(1366, 768)
    os.makedirs(gtk := f"{x.env['HOME']}/.config/gtk-3.0")
    print("[Settings]\ngtk-font-name=DejaVu Sans 14", file=open(f"{gtk}/settings.ini", "w"))
    game = Game(ctx, "--seed", STEADY,
                env={"QT_SCALE_FACTOR": "1.5", "QT_QPA_PLATFORMTHEME": "gtk3"})
    for keys in (["Down", "Right", "t"], ["c", "s"]):  # two humans, six computers
        x.xdotool("key", "alt+p", *keys)
    x.xdotool("key", "space", "Pause")  # paused, the status line shows
    board = beside(ctx, game, "small-screen-14pt.png")
    rows_and_labels(x, game, board)
    x.x("setxkbmap", "ru")  # player 2 starts in row 2: S, not W
    x.xdotool("key", "Cyrillic_yeru", "Pause")
    wait_for("ы (at S) turns player 2 down", lambda: heads(game, 0, 1, BLUE, 20), 2)
    x.xdotool("key", "Up")
    wait_for("the arrows still steer", lambda: heads(game, 0, -1, GREEN, 20), 2)


def beside(ctx, game, shot, nested=None):  # the Scoreboard, shown: wholly on the screen, the
    x = nested or ctx.x  # keyboard kept
    x.xdotool("key", "alt+s")
    board = wait_for("the scoreboard", lambda: x.windows("--name", "^Score"), 5)[0]
    frame = wait_for("framed", lambda: x.frame(board), 3)
    main = x.frame(game.window)
    for box in (main, frame):
        assert min(box) >= 0 and box.right <= x.size[0] and box.bottom <= x.size[1], box
    # Over the game only as far as the screen forces, give or take one pixel of the layout.
    must = frame.right - frame.left - max(main.left, x.size[0] - main.right)
    covered = min(frame.right, main.right) - max(frame.left, main.left)
    assert covered <= max(0, must) + game.scale, f"{frame} covers {covered} of {main}"
    assert nested or x.xdotool("getactivewindow").strip() == game.window, "the board is active"
    x.screenshot().save(ctx.artefact(shot))
    return board


def even(game, row):  # every cell, grid line and trail as many device pixels as the next
    image, (left, top, right, bottom), s = game.x.screenshot(), game.arena, game.scale
    column = lambda x: [image.getpixel((x, y)) for y in range(top, bottom)]
    lines = [runs([image.getpixel((x, top + 2 * s)) for x in range(left, right)], GRID),
             runs(column(left + 2 * s), GRID)]
    cells = {b[0] - a[0] for line in lines for a, b in zip(line, line[1:])}
    widths = {n for line in lines for _, n in line}
    trails = {n for c in range(2, 9) for _, n in runs(column(left + (10 * c + 2) * s), GREEN)}
    assert (cells, widths, trails) == ({10 * s}, {s}, {2 * s}), \
        f"cells {cells}, grid lines {widths}, trails {trails} device pixels at {s}"


def rows_and_labels(x, game, board):  # the status line and the Scoreboard: nothing clipped,
    image, client = x.screenshot(), x.client(board)  # run together or hidden
    top = game.below_menu + 492  # the status bar: a sunken frame of 19 pixels
    rows, _ = ink(image, game.client.left + 3, top + 1, game.client.left + 620, top + 18)
    assert rows[0] >= top + 2 and rows[-1] <= top + 16, f"status text in rows {rows} of {top}"
    top = next(y for y in range(client.top, client.bottom) if (image.getpixel(
        (client.left + 3, y + 1)), image.getpixel((client.left + 3, y + 2))) == (GREY, WHITE))
    assert client.bottom >= top + 245, f"client area ends {client.bottom - top} pixels down"
    _, columns = ink(image, client.left, top + 11, client.right, top + 24)
    gaps = [[c for c in range(client.left + a, client.left + b) if c not in columns]
            for a, b in ((146, 194), (194, 240))]
    assert all(len(gap) >= 2 for gap in gaps), f"headings run together: gaps {gaps}"
    for panel in (38, 64, 89, 114, 140, 165, 190, 215):  # a row's labels above its etched rule
        rows, _ = ink(image, client.left + 2, top + panel - 1, client.right, top + panel + 17)
        assert rows[-1] <= top + panel + 14, f"row at {panel}: text down to {rows[-1] - top}"


def ink(image, left, top, right, bottom):  # the rows and columns unlike the background
    found = [(x, y) for y in range(top, bottom) for x in range(left, right)
             if image.getpixel((x, y)) != image.getpixel((left, top))]
    return sorted({y for _, y in found}), {x for x, _ in found}


def runs(pixels, colour):  # (start, length) of each run of `colour`
    marks = "".join("x" if pixel == colour else " " for pixel in pixels)
    return [(run.start(), len(run[0])) for run in re.finditer("x+", marks)]


def heads(game, dx, dy, colour=GREEN, columns=61):  # whether each cell added in a third of a
    before = {c for c in game.green_cells(colour) if c[0] < columns}  # second continues one
    time.sleep(0.35)
    after = {c for c in game.green_cells(colour) if c[0] < columns}
    return after > before and all((x - dx, y - dy) in after for x, y in after - before)


def still(game):  # the arena's picture, if it stays the same over three ticks
    before = game.picture()
    time.sleep(0.3)
    return game.picture() == before and before


def trail(game, row=None, longer=0, shorter=99):  # player 1's, if in `row`, its length between
    found = game.trail()
    return found and row in (None, found[0]) and longer < found[1] < shorter and found
