"""A private PulseAudio server whose default sink is a null sink, and what it plays, measured
with sox."""

import array
import math
import os
import subprocess
import threading

from waiting import Failure, wait_for

SINK = "zarvo_e2e"
RATE = 44100
RAW = ["-t", "raw", "-r", str(RATE), "-e", "signed", "-b", "16", "-c", "1"]

# Frequency bands that tell the cues apart: the hum's motor tone lies below 400 Hz, the turn
# chirps between 800 and 1500 Hz, the crash's noise reaches far above 3 kHz.
LOW = ["sinc", "-400"]
CHIRP = ["sinc", "800-1500"]
HIGH = ["sinc", "3000"]


class SoundServer:
    def __init__(self, processes, env, runtime_dir):
        self.processes = processes
        self.env = dict(env)
        self.env["PULSE_RUNTIME_PATH"] = os.path.join(runtime_dir, "pulse")

    def start(self):
        self.processes.start(
            "pulseaudio",
            [
                "pulseaudio",
                "--daemonize=no",
                "--exit-idle-time=-1",
                "--disallow-exit",
                "-n",  # no default script: no hardware to look for
                "--load=module-native-protocol-unix",
                f"--load=module-null-sink sink_name={SINK}",
                "--log-target=stderr",
            ],
            self.env,
        )
        wait_for("PulseAudio to answer", self._answers, timeout=20, interval=0.1)
        self._pactl("set-default-sink", SINK)
        # A null sink only advances while something plays into it; zeros keep it in real time.
        self.processes.start(
            "pacat-clock", ["pacat", "--playback", "-d", SINK, "/dev/zero"], self.env
        )

    def _answers(self):
        result = subprocess.run(
            ["pactl", "info"], env=self.env, capture_output=True, text=True, timeout=10
        )
        return result.returncode == 0

    def _pactl(self, *arguments):
        subprocess.run(["pactl", *arguments], env=self.env, check=True, timeout=10)

    def record(self, seconds, path, during):
        """Records the sink for exactly `seconds` while `during(recording_started)` acts; the
        recording is a fixed number of bytes, so none of it is lost to a timer."""
        wanted = int(seconds * RATE) * 2
        parec = self.processes.start(
            "parec",
            [
                "parec",
                "-d",
                SINK + ".monitor",
                "--format=s16le",
                f"--rate={RATE}",
                "--channels=1",
                "--latency-msec=20",
            ],
            self.env,
            stdout=subprocess.PIPE,
        )
        chunks = []
        started = threading.Event()

        def read():
            received = 0
            while received < wanted:
                piece = parec.stdout.read1(min(65536, wanted - received))
                if not piece:
                    break
                chunks.append(piece)
                received += len(piece)
                started.set()
            started.set()

        reader = threading.Thread(target=read, daemon=True)
        reader.start()
        try:
            if not started.wait(10):
                raise Failure("parec recorded nothing within 10 s")
            during()
            reader.join(seconds + 15)
        finally:
            self.processes.stop(parec)
            parec.stdout.close()
        data = b"".join(chunks)
        with open(path, "wb") as raw:
            raw.write(data)
        if len(data) < wanted:
            raise Failure(f"parec stopped after {len(data)} of {wanted} bytes")
        return Recording(path)


class Recording:
    """A mono 16-bit recording; times in seconds from its start, levels 0 to 1 of full scale."""

    def __init__(self, path):
        self.path = path
        self._bands = {}

    def stat(self, band=(), start=0.0, length=None):
        """sox's own peak and RMS of a stretch, through an optional filter."""
        trim = ["trim", f"{start:.3f}"] + ([f"{length:.3f}"] if length else [])
        result = subprocess.run(
            ["sox", *RAW, self.path, "-n", *trim, *band, "stat"],
            capture_output=True,
            text=True,
            timeout=60,
        )
        values = {}
        for line in result.stderr.splitlines():
            name, _, value = line.partition(":")
            if value.strip():
                values[name.strip()] = value.strip()
        return float(values["Maximum amplitude"]), float(values["RMS     amplitude"])

    def levels(self, band, window=0.01):
        """The RMS level of each `window` seconds, through a band filter."""
        if tuple(band) not in self._bands:
            filtered = subprocess.run(
                ["sox", *RAW, self.path, *RAW, "-", *band],
                capture_output=True,
                timeout=60,
                check=True,
            ).stdout
            samples = array.array("h", filtered)
            step = int(window * RATE)
            self._bands[tuple(band)] = (
                window,
                [
                    math.sqrt(sum(s * s for s in samples[i : i + step]) / step) / 32768
                    for i in range(0, len(samples) - step + 1, step)
                ],
            )
        return self._bands[tuple(band)]

    def first_time_above(self, band, level, after=0.0):
        window, rms = self.levels(band)
        for index, value in enumerate(rms):
            if index * window >= after and value > level:
                return index * window
        return None

    def first_time_below(self, band, level, after=0.0):
        window, rms = self.levels(band)
        for index, value in enumerate(rms):
            if index * window >= after and value < level:
                return index * window
        return None

    def loudest(self, band, start, end, span=0.03):
        """The highest RMS over any `span` seconds between start and end: a short cue shows,
        a click does not."""
        window, rms = self.levels(band)
        count = max(1, round(span / window))
        first, last = max(0, round(start / window)), min(len(rms), round(end / window))
        best = 0.0
        for index in range(first, max(first, last - count) + 1):
            part = rms[index : index + count]
            if part:
                best = max(best, math.sqrt(sum(v * v for v in part) / len(part)))
        return best
