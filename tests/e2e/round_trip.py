# A two-human session recorded in the window, then replayed headless and in the window: the
# runner names the winner and the tallies the window showed, and the window's replay ends on the
# recorded picture.
import re
import time

from PIL import Image

from game import Game
from harness import run, wait_for

# A deathmatch from this seed starts its first match in rows 34 and 10, clear of the turns below;
# in the second, player 1's Up at once drives it into the top wall: player 2 wins.
SEED = "20"


def round_trip(ctx):
    x, recording = ctx.x, ctx.artefact("recorded-session.txt")
    game = Game(ctx, "--seed", SEED, "--record", recording)
    for key, windows in (("alt+p", 2), ("r", 3), ("d", 1)):  # Players, Match Rules, Deathmatch
        x.xdotool("key", key)
        wait_for(f"{key} in the menus", lambda: len(x.windows("--class", "Zarvo")) == windows, 3)
    x.xdotool("key", "space")
    wait_for("the first match", game.cleared, 3)
    # Turns for both, a pause, and New Game during a second pause with a key in the same tick.
    for keys in (["Up", "s"], ["Right", "a"], ["Pause"], ["Pause"], ["Pause"], ["space", "Up"]):
        time.sleep(0.4)
        x.xdotool("key", *keys)
    recorded = wait_for("the second match to end", lambda: ended(game), 8)
    x.xdotool("key", "alt+s")
    board = scoreboard(ctx, "recorded")
    x.xdotool("key", "ctrl+q")
    wait_for("the game to end", game.ended, 2)

    summary = run(f"{ctx.build_dir}/bin/zarvo-sim", "--replay", recording).stdout
    tallies = re.findall(r"^ +(\d) +(\d+) +(\d+) +(\d+)$", summary, re.M)
    shown = read(ctx, board, "tallies", "11")  # 11: words anywhere, one a line
    rows = re.findall(r"Player (\d) (\d+) (\d+) (\d+)", shown)
    assert len(rows) == 2 and all((n, p, k, d) in tallies for n, k, d, p in rows), \
        f"the scoreboard showed {shown!r}; the runner, {summary}"
    winner = re.findall(r"^Match \d+, tick \d+: (.*)$", summary, re.M)[-1]
    assert winner in read(ctx, recorded[1], "status", "7"), f"the runner: {winner}"

    replay = Game(ctx, "--replay", recording)
    wait_for("the replay to end", lambda: not x.windows("--name", "replay$"), 20)
    x.xdotool("key", "alt+s")
    assert (replay.picture(), scoreboard(ctx, "replayed").tobytes()) == (
        recorded[0], board.tobytes()), "the replay ended on another picture"
    x.xdotool("key", "ctrl+q")


def ended(game):  # the arena and the status line, once the arena stays the same over 3 ticks
    before = game.picture()
    time.sleep(0.3)
    image = game.x.screenshot()
    status = image.crop((game.client.left, game.arena.bottom + 4, game.client.right,
                         game.client.bottom))
    return image.crop(game.arena).tobytes() == before and (before, status)


def scoreboard(ctx, name):  # its window's picture, saved as an artefact
    board = wait_for("the scoreboard", lambda: ctx.x.windows("--name", "^Score"), 5)[0]
    image = ctx.x.screenshot().crop(ctx.x.client(board))
    image.save(ctx.artefact(f"{name}-scoreboard.png"))
    return image


def read(ctx, image, name, layout):  # its words as tesseract reads them: 4 times enlarged, in black
    grey = image.convert("L").resize((image.width * 4, image.height * 4), Image.Resampling.BICUBIC)
    grey.point(lambda level: 0 if level < 215 else 255).save(ctx.artefact(f"read-{name}.png"))
    return " ".join(run("tesseract", ctx.artefact(f"read-{name}.png"), "-", "--psm", layout)
                    .stdout.split())
