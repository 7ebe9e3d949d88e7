# The game's sound cues through a real sound server, judged from recordings of its null sink,
# which passes samples unchanged: every cue is found there by its own samples.
import os
import threading
import time
import wave

from game import APART, Game
from harness import wait_for

RATE = 44100
STARTS_BY = RATE * 25 // 1000  # a cue's first 25 ms may go to the sink rewinding for it
# Both players zigzag, taking turns: one turn, and one chirp, a tick.
ZIGZAG = ["Up", "s", "Right", "a", "Down", "w", "Right", "a"] * 11


def sound(ctx):
    cues = {name: cue(f"{ctx.build_dir}/bin/sounds/{name}.wav")
            for name in ("hum", "turn2", "turn3", "crash")}
    game = Game(ctx, "--seed", APART, "--tick-log", f"{ctx.scratch}/ticks")
    for keys, shown in (("alt+p", 2), ("r", 3), ("d", 1)):  # Players > Match Rules > Deathmatch
        ctx.x.xdotool("key", keys)
        wait_for(f"{shown} windows", lambda: len(ctx.x.windows("--class", "Zarvo")) == shown, 3)

    def whole(at, name, first, last):  # a chirp from its start to its last sound
        return name.startswith("turn") and first <= STARTS_BY and last >= cues[name][1]

    # One xdotool reads the keys from a pipe, and the driver sends each at its time: Ctrl+N;
    # Pause 1.2 s later, and again 1.5 s after that, from when the ticks come 100 ms apart;
    # and then the turns, each midway between two ticks.
    reader, writer = os.pipe()
    ctx.processes.start("keys", ["xdotool", f"/dev/fd/{reader}"], ctx.x.env, pass_fds=(reader,))
    os.close(reader)
    keys = [("ctrl+n", 0), ("Pause", 1.2), ("Pause", 2.7)] + [
        (key, 2.75 + n / 10) for n, key in enumerate(ZIGZAG)]
    pressing = threading.Thread(target=press, args=(keys, os.fdopen(writer, "w", buffering=1)))
    heard, strange = pieces(ctx.x.record(ctx.artefact("cues.raw"), pressing.start, 5).path, cues)
    (hum, _, start, cut), (back, _, again, _) = heard[:2]  # the hum, cut by Pause; the hum again
    assert {heard[0][1], heard[1][1]} == {"hum"} and max(start, again) <= STARTS_BY, heard
    assert abs(cut / RATE - 1.2) < 0.35, f"Pause cut the hum {cut / RATE} s in"
    assert abs((back - hum - cut) / RATE - 1.5) < 0.35, f"back {(back - hum - cut) / RATE} s on"
    chirps = heard[2:22]

    # The sound server goes while the keys go on, and 3 s later comes back on the same socket.
    ctx.processes.stop(ctx.x.sound_server)  # its pacat ends with it
    gone = time.monotonic_ns()
    time.sleep(3)
    ctx.x.start_sound_server()
    answered = time.monotonic_ns()
    later, stranger = pieces(ctx.x.record(ctx.artefact("back.raw"), lambda: None, 5).path, cues)
    assert not strange + stranger, f"{strange}, then {stranger} sounds of no cue"
    assert not game.ended() and len(ctx.x.windows("--class", "Zarvo")) == 1, "not the one window"
    pressing.join()
    ctx.x.xdotool("key", "ctrl+q")
    wait_for("Ctrl+Q to end the game", game.ended, 5)
    assert game.process.returncode == 0, f"Ctrl+Q: exit code {game.process.returncode}"

    with open(f"{ctx.scratch}/ticks") as log:
        ticks = [int(line) for line in log]
    resumed = next(i for i in range(1, len(ticks)) if ticks[i] - ticks[i - 1] > 1e9)  # Pause
    # Each chirp whole, and on the tick of its turn: as long after it as the others, within 50 ms
    # (a chirp missing shifts the rest by a tick; one queued behind the one before, by 175 ms).
    late = [round((at - chirps[0][0]) / RATE - (tick - ticks[resumed]) / 1e9, 3)
            for (at, *_), tick in zip(chirps, ticks[resumed:])]
    assert len(chirps) == 20 and all(whole(*chirp) for chirp in chirps) and (
        max(late) - min(late) < 0.05), f"{chirps}, later than the first by {late} s"
    outage = [gone] + [tick for tick in ticks if gone < tick < answered] + [answered]
    assert max(b - a for a, b in zip(outage, outage[1:])) < 0.5e9, "the ticks stopped"
    back = next((at for at, *rest in later if whole(at, *rest)), None)
    assert back is not None and back < 3 * RATE, f"no chirp within 3 s of the server: {later}"
    assert any(name == "crash" and first <= STARTS_BY for _, name, first, _ in later), later


def press(keys, pipe):  # each (key, seconds from now)
    began = time.monotonic()
    with pipe:
        for key, at in keys:
            time.sleep(max(0.0, began + at - time.monotonic()))
            pipe.write(f"key {key}\n")


def cue(path):  # its samples as bytes, and where its sound ends
    with wave.open(path) as clip:
        frames = clip.readframes(clip.getnframes())
    return frames, max(i for i, sample in enumerate(memoryview(frames).cast("h")) if sample) + 1


def pieces(path, cues):
    # The stretches of cues in a recording, each found from 32 samples on: (the sample where
    # the cue's first would lie, the cue, the first and the last of its samples heard); and how
    # many stretches of sound are no cue's.
    with open(path, "rb") as recording:
        raw = recording.read()
    found, strange, alien, at = [], 0, 0, 0
    while at + 64 <= len(raw):
        hit = any(raw[at:at + 2]) and next(  # False on silence, None where no cue fits
            ((name, frames, offset) for name, (frames, _) in cues.items()
             if (offset := even_find(frames, raw[at:at + 64])) >= 0), None)
        alien = alien + 1 if hit is None else 0  # a cue cut before 32 samples is not counted
        if not hit:
            strange, at = strange + (alien == 32), at + 2
            continue
        name, frames, offset = hit
        end, shift = at + 64, offset - at
        while raw[end:end + 2] == frames[end + shift:end + shift + 2] != b"":
            end += 2
        found.append((-shift // 2, name, offset // 2, (end + shift) // 2))
        at = end
    return found, strange


def even_find(frames, piece):  # at a whole sample
    offset = frames.find(piece)
    while offset > 0 and offset % 2:
        offset = frames.find(piece, offset + 1)
    return offset
