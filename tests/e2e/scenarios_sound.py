"""The game's sound cues, played through a real sound server and measured as recorded."""

import os
import shutil
import subprocess
import time

from game import trail_from_column_1
from seeds import STEADY, WALL_NEAR
from sound import CHIRP, HIGH, LOW, RAW
from waiting import check

HEARD = 0.05  # RMS, of full scale: a cue playing
SILENT = 0.002  # RMS: nothing playing (the null sink records exact zeros)


class KeyTimes:
    """Presses keys at fixed times after the first one and remembers when each went out."""

    def __init__(self, x):
        self.x = x
        self.pressed = {}
        self.first = None

    def press(self, name, key, at):
        if self.first is not None:
            time.sleep(max(0.0, self.first + at - time.monotonic()))
        before = time.monotonic()
        self.x.key(key)
        moment = (before + time.monotonic()) / 2
        if self.first is None:
            self.first = moment
        self.pressed[name] = moment - self.first


def cues_heard(ctx):
    with ctx.game("--seed", WALL_NEAR):
        keys = KeyTimes(ctx.x)

        def play():
            time.sleep(0.3)
            keys.press("start", "ctrl+n", 0)
            keys.press("pause", "Pause", 1.2)
            keys.press("resume", "Pause", 2.7)
            keys.press("turn", "Up", 3.6)

        recording = ctx.sound.record(6.0, os.path.join(ctx.scratch, "cues.raw"), play)
        save_wave(recording, ctx.artefact("cues.wav"))
        at = keys.pressed

        with ctx.step("the hum is audible after a match starts (peak above 0.2)") as measured:
            onset = recording.first_time_above(LOW, HEARD)
            check(onset is not None, "no hum in the recording")
            peak, _ = recording.stat(start=onset, length=1.0)
            check(peak > 0.2, f"peak {peak:.3f} in the first second of the hum")
            measured(f"peak {peak:.2f}")

        # Each cue is found in the recording itself; the key times only say roughly where.
        def near(found, name, since, since_name, slack=0.35):
            expected = at[name] - at[since_name]
            check(
                abs((found - since) - expected) < slack,
                f"{found - since:.2f} s after the {since_name} cue; "
                f"the keys were {expected:.2f} s apart",
            )

        with ctx.step("Pause plays silence, cutting the hum off; resuming starts it") as measured:
            cut = recording.first_time_below(LOW, SILENT, after=onset + 0.3)
            check(cut is not None and cut < onset + 3.0, "the hum was not cut short")
            near(cut, "pause", onset, "start")
            back = recording.first_time_above(LOW, HEARD, after=cut)
            check(back is not None, "the hum did not come back after the second Pause")
            near(back, "resume", cut, "pause")
            peak, _ = recording.stat(start=cut + 0.05, length=back - cut - 0.1)
            check(peak < SILENT, f"sound while paused: peak {peak:.4f}")
            measured(f"silent {back - cut:.2f} s, peak {peak:.4f}")

        with ctx.step("a turn plays its chirp, which cuts the hum off") as measured:
            chirp = recording.first_time_above(CHIRP, HEARD, after=back + 0.1)
            check(chirp is not None, "no chirp after Up")
            near(chirp, "turn", back, "resume")
            under_hum = recording.loudest(CHIRP, back + 0.1, chirp - 0.05)
            check(under_hum < SILENT * 5, f"the chirp band is loud under the hum ({under_hum:.4f})")
            hum_after = recording.loudest(LOW, chirp + 0.12, chirp + 0.22)
            check(hum_after < SILENT, f"the hum went on after the chirp ({hum_after:.4f})")
            chirp_level = recording.loudest(CHIRP, chirp, chirp + 0.15)
            measured(f"chirp at {chirp_level:.2f} RMS, {under_hum:.4f} under the hum")

        with ctx.step("running into the wall plays the crash") as measured:
            quiet = recording.loudest(HIGH, onset + 0.2, cut - 0.1)
            check(quiet < SILENT * 2, f"the crash band is not quiet under the hum ({quiet:.4f})")
            crash = recording.loudest(HIGH, chirp + 0.15, chirp + 1.2)
            check(crash > HEARD / 2, f"no crash after the turn (loudest {crash:.4f})")
            measured(f"crash band {crash:.2f} RMS, {quiet:.4f} under the hum")


def silent_without_sounds(ctx):
    folder = os.path.join(ctx.scratch, "bin-without-sounds")
    shutil.copytree(
        os.path.dirname(ctx.program), folder, ignore=shutil.ignore_patterns("sounds")
    )
    program = os.path.join(folder, os.path.basename(ctx.program))
    with ctx.game("--seed", STEADY, program=program, name="game-without-sounds") as game:
        x = ctx.x
        seen = {}

        def play():
            time.sleep(0.3)
            x.key("ctrl+n")
            time.sleep(1.0)
            seen["trail"] = trail_from_column_1(game.green_cells(x.screenshot()))
            x.key("Up")
            time.sleep(0.6)

        recording = ctx.sound.record(2.5, os.path.join(ctx.scratch, "without-sounds.raw"), play)
        save_wave(recording, ctx.artefact("without-sounds.wav"))

        with ctx.step("a match without the \"sounds\" folder is silent") as measured:
            peak, _ = recording.stat()
            check(peak < SILENT, f"peak {peak:.4f}")
            measured(f"peak {peak:.4f}")

        with ctx.step("and it still plays: the trail grows and turns"):
            check(game.running(), "the game ended")
            trail = seen["trail"]
            check(trail and trail[1] >= 5, f"the trail after a second: {trail}")
            cells = game.green_cells(x.screenshot())
            check(any(y < trail[0] for (_, y) in cells), "the cycle did not turn up")
            x.screenshot().save_png(ctx.artefact("06-match-without-sounds.png"))


def hum_heard_after_start(ctx, name):
    """Starts a match with Ctrl+N and checks that the hum plays."""

    def play():
        time.sleep(0.3)
        ctx.x.key("ctrl+n")

    recording = ctx.sound.record(2.0, os.path.join(ctx.scratch, name + ".raw"), play)
    save_wave(recording, ctx.artefact(name + ".wav"))
    onset = recording.first_time_above(LOW, HEARD)
    check(onset is not None, "no hum after Ctrl+N")
    peak, _ = recording.stat(start=onset, length=0.8)
    check(peak > 0.2, f"hum peak {peak:.3f}")


def save_wave(recording, path):
    """Keeps a recording as a WAV file beside the screenshots, for listening."""
    subprocess.run(["sox", *RAW, recording.path, path], check=True, timeout=60)
