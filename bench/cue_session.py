#!/usr/bin/env python3
"""The game's sound cues as a listener hears them: the real program in a private X server, its
sound going to a private PulseAudio server whose null sink is recorded from outside.

  cue_session.py BIN_DIR WORK_DIR [--seconds N] [--restart-at S --down-for D]
                 [--no-sound-server] [--seed N]

Three scenarios, all with the two humans zigzagging (the two players alternating, so that every
press turns a cycle at the next tick and plays a chirp):
  chirps   Deathmatch from seed 7, one match (the players start 19 rows apart and never meet),
           a turn every 0.2 s;
  play     two humans and six computers, a new match every 3 s (computer crashes add their
           cues), a turn every 0.2 s;
  matches  the same, with a few turns a match: one a second, two between new matches.
The recording of the sink is cut into the cues it holds by finding each cue's own samples in
it (the null sink passes samples unchanged), which tells for every chirp when it started, how
much of it played and what cut it off; the tick log (--tick-log) gives the tick that played
it. With --restart-at, the sound server is killed at that second and a new one started D
seconds later; the game must play on, and chirps must come back.

Prints one JSON object: CPU of the game and of the sound server, chirps pressed, heard, whole,
latencies from tick to sink, and, after a restart, how long the game stayed silent.
Not part of the tests (bench/run-process runs it).
"""

import argparse
import json
import os
import signal
import statistics
import subprocess
import sys
import tempfile
import threading
import time
import wave

RATE = 44100
SINK = "bench"
# A cue counts as started from its first sample when no more than this is missing from the
# recording's start of it (the sink's rewind hides up to its latency, about 10 ms).
MISSED_START = RATE * 25 // 1000
# Player 1 starts heading right, player 2 left; these zigzags never reverse and never meet their
# own trails. The players take turns.
ZIGZAG = [["Up", "Right", "Down", "Right"], ["s", "a", "w", "a"]]
TWO_HUMANS_SIX_COMPUTERS = [["alt+p"], ["h"], ["t"], ["alt+p"], ["c"], ["s"]]
SCENARIOS = {
    # menu keys, seconds between new matches, seconds between presses
    "chirps": ([["alt+p"], ["r"], ["d"]], None, 0.2),  # Match Rules > Deathmatch
    "play": (TWO_HUMANS_SIX_COMPUTERS, 3.0, 0.2),
    "matches": (TWO_HUMANS_SIX_COMPUTERS, 3.0, 1.0),
}


class Processes:
    def __init__(self):
        self.started = []

    def start(self, arguments, **options):
        process = subprocess.Popen(arguments, **options)
        self.started.append(process)
        return process

    def stop(self, process, sig=signal.SIGTERM):
        if process.poll() is None:
            process.send_signal(sig)
            try:
                process.wait(5)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()

    def stop_all(self):
        for process in reversed(self.started):
            self.stop(process)


def wait_until(what, test, timeout=20.0):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        if test():
            return
        time.sleep(0.05)
    raise SystemExit(f"cue_session: {what} did not happen within {timeout} s")


def cpu_ns(pid):
    """CPU time of a process, all its threads, in nanoseconds (schedstat: finer than stat's
    clock ticks; threads that ended are not counted, and the game ends none while it plays)."""
    total = 0
    for task in os.listdir(f"/proc/{pid}/task"):
        try:
            with open(f"/proc/{pid}/task/{task}/schedstat") as stat:
                total += int(stat.read().split()[0])
        except FileNotFoundError:
            pass
    return total


class SoundServer:
    def __init__(self, processes, env):
        self.processes = processes
        self.env = env
        self.process = None

    def start(self):
        self.process = self.processes.start(
            ["pulseaudio", "--daemonize=no", "--exit-idle-time=-1", "--disallow-exit", "-n",
             "--load=module-native-protocol-unix", f"--load=module-null-sink sink_name={SINK}",
             "--log-target=stderr"],
            env=self.env, stderr=subprocess.DEVNULL)
        wait_until("PulseAudio answering", lambda: subprocess.run(
            ["pactl", "info"], env=self.env, capture_output=True).returncode == 0)
        subprocess.run(["pactl", "set-default-sink", SINK], env=self.env, check=True)

    def kill(self):
        self.processes.stop(self.process, signal.SIGKILL)


class Recorder:
    """parec from the sink's monitor; remembers when each piece arrived, so that a sample's time
    at the sink is known (the earliest arrival, less its duration, bounds it)."""

    def __init__(self, processes, env):
        self.parec = processes.start(
            ["parec", "-d", SINK + ".monitor", "--format=s16le", f"--rate={RATE}",
             "--channels=1", "--latency-msec=10"],
            env=env, stdout=subprocess.PIPE)
        self.processes = processes
        self.data = bytearray()
        self.origin = None  # monotonic ns of sample 0 at the sink
        self.thread = threading.Thread(target=self._read, daemon=True)
        self.thread.start()
        wait_until("parec recording", lambda: self.origin is not None)
        self.env = env

    def _read(self):
        while True:
            piece = self.parec.stdout.read1(65536)
            if not piece:
                return
            now = time.monotonic_ns()
            self.data += piece
            start = now - (len(self.data) // 2) * 1_000_000_000 // RATE
            self.origin = start if self.origin is None else min(self.origin, start)

    def stop(self):
        # The null sink passes each block to its monitor as it renders it, up to its configured
        # latency (the least any of its streams asks for) before it plays it: the earliest
        # arrivals are early by that much.
        sinks = subprocess.run(["pactl", "list", "sinks"], env=self.env, capture_output=True,
                               text=True).stdout
        self.ahead_ns = 1000 * int(sinks.split("configured ")[1].split()[0])
        self.processes.stop(self.parec)
        self.thread.join(5)
        return bytes(self.data[: len(self.data) // 2 * 2]), self.origin + self.ahead_ns


def read_cues(folder):
    cues = {}
    for name in ("hum", "turn2", "turn3", "crash"):
        with wave.open(os.path.join(folder, name + ".wav")) as clip:
            frames = clip.readframes(clip.getnframes())
        samples = memoryview(frames).cast("h")
        audible = max(i for i, s in enumerate(samples) if s != 0) + 1
        cues[name] = (frames, audible)
    return cues


def segments(recording, cues):
    """Each stretch of the recording that is a stretch of one cue, as (sample where the cue's
    first sample would lie, cue, first sample of the cue heard, samples heard). The start of a
    sound that begins while the sink is running is skipped in a monitor recording (the sink
    rewinds what it had already passed to its monitor), so a stretch may begin a few
    milliseconds into its cue."""
    chunk = 2 * 32
    found = []
    at = 0
    while at + chunk <= len(recording):
        piece = recording[at: at + chunk]
        if piece.count(0) == chunk:
            at += chunk
            continue
        match = None
        for name, (frames, _) in cues.items():
            offset = frames.find(piece)
            while offset >= 0 and offset % 2:
                offset = frames.find(piece, offset + 1)
            if offset >= 0:
                match = (name, frames, offset)
                break
        if match is None:
            at += 2
            continue
        name, frames, offset = match
        length = chunk
        for step in (512, 1):
            while (offset + length + step <= len(frames) and at + length + step <= len(recording)
                   and recording[at + length: at + length + step]
                   == frames[offset + length: offset + length + step]):
                length += step
        length -= length % 2
        found.append((at // 2 - offset // 2, name, offset // 2, length // 2))
        at += max(length, 2)
    return found


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("bin")
    parser.add_argument("work")
    parser.add_argument("--scenario", choices=SCENARIOS, default="chirps")
    parser.add_argument("--seconds", type=float, default=10.0)
    parser.add_argument("--seed", default="7")
    parser.add_argument("--restart-at", type=float)
    parser.add_argument("--down-for", type=float, default=5.0)
    parser.add_argument("--no-sound-server", action="store_true")
    parser.add_argument("--game", default="zarvo-cycles")
    options = parser.parse_args()

    processes = Processes()
    work = tempfile.mkdtemp(dir=options.work)
    runtime = os.path.join(work, "runtime")
    os.mkdir(runtime, 0o700)
    env = dict(os.environ, XDG_RUNTIME_DIR=runtime, QT_QPA_PLATFORM="xcb",
               PULSE_RUNTIME_PATH=os.path.join(runtime, "pulse"))
    env.pop("WAYLAND_DISPLAY", None)
    try:
        display_file = os.path.join(work, "display")
        with open(display_file, "w") as display:
            processes.start(["Xvfb", "-displayfd", str(display.fileno()), "-screen", "0",
                             "1280x1024x24", "-nolisten", "tcp"], pass_fds=(display.fileno(),),
                            stderr=open(os.path.join(work, "xvfb.log"), "w"))
        wait_until("Xvfb", lambda: open(display_file).read().endswith("\n"))
        env["DISPLAY"] = ":" + open(display_file).read().strip()
        wait_until("Xvfb answering", lambda: subprocess.run(
            ["xdpyinfo"], env=env, capture_output=True).returncode == 0, timeout=5)

        server = None
        if options.no_sound_server:
            env["PULSE_SERVER"] = "unix:" + os.path.join(work, "no-sound-server")
        else:
            server = SoundServer(processes, env)
            server.start()
            recorder = Recorder(processes, env)

        tick_log = os.path.join(work, "ticks.txt")
        game = processes.start(
            [os.path.join(options.bin, options.game), "--seed", options.seed,
             "--tick-log", tick_log], env=env, stderr=open(os.path.join(work, "game.log"), "w"))

        def key(*names):
            subprocess.run(["xdotool", "key", *names], env=env, check=True)

        wait_until("the game window", lambda: subprocess.run(
            ["xdotool", "search", "--onlyvisible", "--pid", str(game.pid)], env=env,
            capture_output=True).returncode == 0)
        time.sleep(0.5)
        menu_keys, match_seconds, press_seconds = SCENARIOS[options.scenario]
        for keys in menu_keys:
            key(*keys)
            time.sleep(0.2)

        presses = []  # (monotonic ns before, after) of every turn key
        restart = restarted = None
        second_recorder = []

        def start_again():  # while the keys go on being pressed
            nonlocal cpu_pulse, restarted
            server.start()
            cpu_pulse = cpu_ns(server.process.pid)
            restarted = time.monotonic_ns()
            second_recorder.append(Recorder(processes, env))
        start = time.monotonic()
        cpu_game, cpu_pulse = cpu_ns(game.pid), server and cpu_ns(server.process.pid)
        pulse_cpu_total = 0
        next_match, step, at = 0.0, 0, 0.0
        while at < options.seconds:
            elapsed = time.monotonic() - start
            if options.restart_at is not None and restart is None and elapsed >= options.restart_at:
                pulse_cpu_total += cpu_ns(server.process.pid) - cpu_pulse
                first_recording = recorder.stop()
                server.kill()
                restart = threading.Timer(options.down_for, start_again)
                restart.start()
            if at >= next_match:
                key("space")
                next_match = match_seconds + at if match_seconds else options.seconds
                step = 0
            else:
                before = time.monotonic_ns()
                key(ZIGZAG[step % 2][step // 2 % 4])
                presses.append((before, time.monotonic_ns()))
                step += 1
            at += press_seconds
            time.sleep(max(0.0, start + at - time.monotonic()))
        wall = time.monotonic() - start
        game_cpu = cpu_ns(game.pid) - cpu_game
        threads, wakeups = {}, {}
        for task in os.listdir(f"/proc/{game.pid}/task"):
            with open(f"/proc/{game.pid}/task/{task}/comm") as comm:
                name = comm.read().strip()
            with open(f"/proc/{game.pid}/task/{task}/schedstat") as stat:
                threads[name] = threads.get(name, 0) + int(stat.read().split()[0])
            with open(f"/proc/{game.pid}/task/{task}/status") as status:
                for line in status:
                    if line.startswith("voluntary_ctxt_switches"):
                        wakeups[name] = wakeups.get(name, 0) + int(line.split()[1])
        if server:
            pulse_cpu_total += cpu_ns(server.process.pid) - cpu_pulse
        time.sleep(0.5)
        if restart:
            restart.join()
            recorder = second_recorder[0]
        recording = recorder.stop() if server else None
        alive = game.poll() is None
        key("ctrl+q")
        game.wait(10)
        ticks = [int(line) for line in open(tick_log)]
        result = {
            "game": options.game,
            "seconds": round(wall, 1),
            "game_cpu_percent": round(100 * game_cpu / 1e9 / wall, 3),
            "sound_server_cpu_percent": round(100 * pulse_cpu_total / 1e9 / wall, 3) if server else None,
            "alive_to_the_end": alive,
            "exit_status": game.returncode,
            "ticks": len(ticks),
            "longest_tick_gap_ms": round(max(b - a for a, b in zip(ticks, ticks[1:])) / 1e6, 1),
            "presses": len(presses),
            "threads_cpu_ms_since_start": {n: round(t / 1e6, 1) for n, t in threads.items() if t},
            "threads_wakeups_since_start": wakeups,
        }
        if server:
            cues = read_cues(os.path.join(options.bin, "sounds"))
            recordings = [first_recording, recording] if restarted else [recording]
            heard = []
            for index, (data, origin) in enumerate(recordings):
                with open(os.path.join(work, f"sink-{index}.raw"), "wb") as raw:
                    raw.write(data)
                for sample, name, first, played in segments(data, cues):
                    heard.append((origin + sample * 1_000_000_000 // RATE, name, first,
                                  first + played, cues[name][1]))
            chirps = [h for h in heard if h[1].startswith("turn")]
            latencies, matched, whole = [], 0, 0
            for before, after in presses:
                onsets = [c for c in chirps if before < c[0] < after + 250_000_000]
                if not onsets:
                    continue
                matched += 1
                onset, _, first, last, audible = onsets[0]
                whole += first <= MISSED_START and last >= audible
                tick = max((t for t in ticks if t <= onset), default=None)
                if tick is not None:
                    latencies.append((onset - tick) / 1e6)
            latencies.sort()
            result.update({
                "cues_heard": {n: sum(1 for h in heard if h[1] == n) for n in cues},
                "chirps_heard": matched,
                "chirps_whole": whole,
                "latency_ms_median": round(statistics.median(latencies), 1) if latencies else None,
                "latency_ms_p95": round(latencies[max(0, -(-95 * len(latencies) // 100) - 1)], 1)
                if latencies else None,
                "latency_ms_max": round(latencies[-1], 1) if latencies else None,
            })
            if restarted:
                pressed_after = [p for p in presses if p[0] > restarted]
                back = [c[0] for c in chirps if c[0] > restarted]
                result["presses_after_restart"] = len(pressed_after)
                result["chirps_after_restart"] = len(back)
                result["silent_after_restart_s"] = (
                    round((back[0] - restarted) / 1e9, 2) if back else None)
        print(json.dumps(result))
    finally:
        processes.stop_all()


if __name__ == "__main__":
    sys.exit(main())
