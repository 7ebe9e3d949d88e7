# The game's sound cues through a real sound server, judged from one recording.
import time

from game import WALL_NEAR, Game
from desktop import ALL, CHIRP, HEARD, HIGH, LOW, SILENT


def sound(ctx):
    def play():  # Ctrl+N, Pause 1.2 s later, Pause 1.5 s after that, and 0.9 s later Up
        began = time.monotonic()
        for key, at in (("ctrl+n", 0.0), ("Pause", 1.2), ("Pause", 2.7), ("Up", 3.6)):
            time.sleep(max(0.0, began + at - time.monotonic()))
            ctx.x.xdotool("key", key)

    Game(ctx, "--seed", WALL_NEAR)
    heard = ctx.x.record(ctx.artefact("cues.raw"), play, 2.0)
    # Each cue is found in the recording; the keys only say roughly when (within 0.35 s).
    hum = heard.first(LOW, lambda level: level > HEARD)
    assert hum is not None and min(heard.levels(LOW, hum + 0.05, hum + 0.5)) > 0.1, "no hum"
    cut = heard.first(LOW, lambda level: level < SILENT, hum + 0.1)
    assert cut and abs(cut - hum - 1.2) < 0.35, f"Pause cut the hum {cut and cut - hum} s in"
    back = heard.first(LOW, lambda level: level > HEARD, cut)
    assert back and abs(back - cut - 1.5) < 0.35, f"the hum came back {back and back - cut} s on"
    assert max(heard.levels(ALL, cut + 0.05, back - 0.05)) < SILENT, "sound while paused"
    chirp = heard.first(CHIRP, lambda level: level > HEARD, back + 0.1)
    assert chirp and abs(chirp - back - 0.9) < 0.35, f"Up chirped {chirp and chirp - back} s on"
    chirped = sum(level > HEARD for level in heard.levels(CHIRP, chirp, chirp + 0.15))
    assert chirped >= 5, f"the chirp is cut short: {chirped * 10} ms"
    assert max(heard.levels(LOW, chirp + 0.12, chirp + 0.22)) < SILENT, "the chirp left the hum on"
    assert max(heard.levels(HIGH, chirp + 0.15, chirp + 1.2)) > HEARD / 2, "no crash at the wall"
