# One game under a window manager, driven by keys and clicks, judged from the screen.
import time

from game import BLACK, GREY, STEADY, WHITE, Game
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


def heads(game, dx, dy):  # whether each green cell added in a third of a second continues one
    before = game.green_cells()
    time.sleep(0.35)
    after = game.green_cells()
    return after > before and all((x - dx, y - dy) in after for x, y in after - before)


def still(game):  # the arena's picture, if it stays the same over three ticks
    before = game.picture()
    time.sleep(0.3)
    return game.picture() == before and before


def trail(game, row=None, longer=0, shorter=99):  # player 1's, if in `row`, its length between
    found = game.trail()
    return found and row in (None, found[0]) and longer < found[1] < shorter and found
