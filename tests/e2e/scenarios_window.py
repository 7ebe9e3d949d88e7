"""The game window under a window manager, driven by keys and clicks, judged from the screen."""

import time

from game import (
    BELOW_MENU_BAR,
    CLIENT_WIDTH,
    SCORE_TITLE,
    SPLASH_LIFT,
    SPLASH_SIZE,
    trail_from_column_1,
)
from seeds import STEADY
from waiting import Failure, check, wait_for


def window_and_match(ctx):
    with ctx.game("--seed", STEADY) as game:
        x = ctx.x
        with ctx.step("the window opens 626 pixels wide with 512 pixels below its menu bar"):
            layout = game.layout
            check(layout.client.width == CLIENT_WIDTH, f"client width {layout.client.width}")
            below = layout.surface.height
            check(below == BELOW_MENU_BAR, f"{below} pixels below the menu bar")
            check(
                layout.frame.width > layout.client.width,
                "the window manager put no frame around the window",
            )

        with ctx.step("the splash shows over the arena"):
            image = x.screenshot()
            image.save_png(ctx.artefact("01-splash.png"))
            found = find_splash(image, layout)
            check(found is not None, "no splash picture on the arena")

        with ctx.step("the splash is centred on the window's outer size, 40 pixels up", False):
            expected = (
                layout.frame.width // 2 - SPLASH_SIZE // 2,
                layout.frame.height // 2 - SPLASH_SIZE // 2 - SPLASH_LIFT,
            )
            at = (found[0] - layout.surface.x, found[1] - layout.surface.y)
            check(
                at == expected,
                f"splash at {at} below the menu bar, expected {expected} from the outer size "
                f"{layout.frame.width} x {layout.frame.height}",
            )

        with ctx.step("a click on the splash starts a match: splash gone, arena drawn"):
            x.click(found[0] + SPLASH_SIZE // 2, found[1] + SPLASH_SIZE // 2)
            image = wait_for(
                "a drawn arena without the splash",
                lambda: cleared_without_splash(game),
                timeout=3,
            )

        with ctx.step("player 1's green trail grows to the right from column 1"):
            row, length = wait_for("a trail at column 1", lambda: trail(game), timeout=2)
            time.sleep(0.5)
            later = trail(game)
            check(later and later[0] == row, f"trail left row {row}: {later}")
            check(later[1] >= length + 3, f"trail grew from {length} to {later[1]} cells in 0.5 s")
            x.screenshot().save_png(ctx.artefact("02-match-started.png"))

        with ctx.step("Up turns the cycle: its head moves up"):
            x.key("Up")
            turned = wait_for(
                "green cells above the start row",
                lambda: [c for c in game.green_cells(x.screenshot()) if c[1] < row],
                timeout=2,
            )
            column = turned[0][0]
            check(all(c[0] == column for c in turned), f"turned cells: {sorted(turned)}")
            check(heading(game) == "up", "the head does not move up")

        with ctx.step("Pause stops the arena changing, and Pause again resumes it"):
            x.key("Pause")
            paused = wait_for("the arena to stop changing", lambda: still_arena(game), timeout=3)
            time.sleep(0.7)
            check(game.arena_picture(x.screenshot()) == paused, "the arena changed while paused")
            x.key("Pause")
            wait_for(
                "the arena to change again",
                lambda: game.arena_picture(x.screenshot()) != paused,
                timeout=1.5,
            )

        with ctx.step("\"&Scores\" (Alt+S) shows the scoreboard beside the main window"):
            x.key("alt+s")
            board = wait_for("the Scoreboard window", lambda: x.visible_windows(SCORE_TITLE), 5)[0]
            main = x.frame_rect(game.window)
            try:
                wait_for("its place", lambda: corner(x, board) == (main.right, main.y), 3)
            except Failure:
                raise Failure(
                    f"the scoreboard's frame is at {corner(x, board)}, the main window's "
                    f"right edge at {(main.right, main.y)}"
                ) from None

        with ctx.step("the arrow keys still steer: Right turns the head right"):
            check(x.active_window() == game.window, "the scoreboard took the keyboard")
            x.key("Right")
            wait_for(
                "green cells right of the climb",
                lambda: [c for c in game.green_cells(x.screenshot()) if c[0] > column],
                timeout=2,
            )
            check(heading(game) == "right", "the head does not move right")
            image = x.screenshot()
            image.save_png(ctx.artefact("03-match-with-scoreboard-full.png"))
            both = x.frame_rect(board)
            crop_both(image, main, both).save_png(ctx.artefact("match-with-scoreboard.png"))

        with ctx.step("closing the scoreboard hides it; the game goes on"):
            click_title_bar(x, board)
            wait_for("the scoreboard to be active", lambda: x.active_window() == board, 3)
            x.key("alt+F4")
            wait_for("the scoreboard to hide", lambda: not x.visible_windows(SCORE_TITLE), 3)
            check(game.running(), "closing the scoreboard ended the game")
            image = x.screenshot()
            image.save_png(ctx.artefact("04-scoreboard-closed.png"))
            check(
                image.pixel(both.x + both.width // 2, both.y + both.height // 2) == (0, 0, 0),
                "the scoreboard is still drawn on the screen",
            )

        with ctx.step("Ctrl+Q ends the process with exit code 0 within one second"):
            click_title_bar(x, game.window)
            wait_for("the main window to be active", lambda: x.active_window() == game.window, 3)
            pressed = time.monotonic()
            x.key("ctrl+q")
            code = game.wait_exit(timeout=5)
            took = time.monotonic() - pressed
            check(code == 0, f"exit code {code}")
            check(took < 1.0, f"the process ended {took:.2f} s after the key")


def starting_matches(ctx):
    with ctx.game("--seed", STEADY) as game:
        x = ctx.x
        with ctx.step("Ctrl+N starts a match"):
            x.key("ctrl+n")
            wait_for("a drawn arena without the splash", lambda: cleared_without_splash(game), 3)
            grows_from_column_1(game, longer_than=0)

        with ctx.step("Space starts a new match"):
            before = wait_for("a trail of 5 cells", lambda: trail_of(game, 5), timeout=3)
            x.key("space")
            restarted(game, before)

        with ctx.step("Alt+G then N (the \"&Game\" menu's \"&New Game\") starts a new match"):
            before = wait_for("a trail of 5 cells", lambda: trail_of(game, 5), timeout=3)
            bar = game.layout.surface
            menu_area = (bar.x, bar.y, 150, 100)
            closed = x.screenshot().crop(*menu_area).rgb
            x.key("alt+g")
            wait_for(
                "the Game menu to open",
                lambda: x.screenshot().crop(*menu_area).rgb != closed,
                timeout=3,
            )
            x.screenshot().save_png(ctx.artefact("05-game-menu.png"))
            x.key("n")
            restarted(game, before)

        with ctx.step("closing the main window ends the process with exit code 0"):
            x.key("alt+F4")
            code = game.wait_exit(timeout=5)
            check(code == 0, f"exit code {code}")


# --- what the screen shows ---


def find_splash(image, layout):
    """The top-left corner of the splash: a raised bevel, white along its top and left edges,
    grey along its bottom and right."""
    arena = layout.arena
    white_run = b"\xff" * 3 * (SPLASH_SIZE - 1)
    for y in range(arena.y, arena.bottom):
        row = image.crop(arena.x, y, arena.width, 1).rgb
        at = row.find(white_run)
        while at >= 0 and at % 3:
            at = row.find(white_run, at + 1)
        if at < 0:
            continue
        left = arena.x + at // 3
        if image.pixel(left + SPLASH_SIZE - 1, y + SPLASH_SIZE - 1) == (128, 128, 128):
            return left, y
    return None


def cleared_without_splash(game):
    image = game.x.screenshot()
    return image if game.arena_is_cleared_grid(image) else None


def still_arena(game):
    """The arena's picture if it stays the same over three ticks."""
    before = game.arena_picture(game.x.screenshot())
    time.sleep(0.3)
    return before if game.arena_picture(game.x.screenshot()) == before else None


def trail(game):
    return trail_from_column_1(game.green_cells(game.x.screenshot()))


def trail_of(game, cells):
    found = trail(game)
    return found if found and found[1] >= cells else None


def grows_from_column_1(game, longer_than):
    row, length = wait_for(
        f"a trail at column 1 of more than {longer_than} cells",
        lambda: trail_of(game, longer_than + 1),
        timeout=2,
    )
    wait_for(
        f"the trail in row {row} to grow beyond {length} cells",
        lambda: (t := trail(game)) and t[0] == row and t[1] > length,
        timeout=2,
    )


def restarted(game, before):
    """A new match: player 1's trail starts again at column 1, shorter than before, and grows."""
    row, length = before
    shorter = wait_for(
        f"a new trail shorter than {length} cells",
        lambda: (t := trail(game)) and t[1] < length and t,
        timeout=3,
    )
    grows_from_column_1(game, longer_than=shorter[1] - 1)


def heading(game):
    """Where the head goes: the cells added over a third of a second lie in one row or column,
    past the trail's end there."""
    x = game.x
    before = game.green_cells(x.screenshot())
    time.sleep(0.35)
    added = game.green_cells(x.screenshot()) - before
    check(added, "the trail stopped growing")
    columns, rows = {c[0] for c in added}, {c[1] for c in added}
    if len(columns) == 1:
        (column,) = columns
        there = [y for (cx, y) in before if cx == column]
        if there and all(y < min(there) for (_, y) in added):
            return "up"
        if there and all(y > max(there) for (_, y) in added):
            return "down"
    if len(rows) == 1:
        (row,) = rows
        there = [cx for (cx, y) in before if y == row]
        if there and all(cx > max(there) for (cx, _) in added):
            return "right"
        if there and all(cx < min(there) for (cx, _) in added):
            return "left"
    raise Failure(f"no straight growth: cells added {sorted(added)}")


def corner(x, window):
    try:
        frame = x.frame_rect(window)
    except Failure:
        return None
    return frame.x, frame.y


def click_title_bar(x, window):
    frame = x.frame_rect(window)
    client = x.client_rect(window)
    x.click(frame.x + 60, frame.y + (client.y - frame.y) // 2)


def crop_both(image, main, board):
    left, top = min(main.x, board.x) - 8, min(main.y, board.y) - 8
    right, bottom = max(main.right, board.right) + 8, max(main.bottom, board.bottom) + 8
    return image.crop(left, top, right - left, bottom - top)
