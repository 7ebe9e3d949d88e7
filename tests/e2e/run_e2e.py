#!/usr/bin/env python3
"""Plays the built game as a person would: in a private X server with a window manager and a
private sound server, through real key presses and clicks, reading the screen and the speakers.
Then builds the Debian package and plays that.

    python3 tests/e2e/run_e2e.py BUILD_DIR [SESSION...]

Screenshots, recordings and logs go to BUILD_DIR/e2e/. Exit status 0 when every check held.
"""

import argparse
import os
import shutil
import signal
import sys
import tempfile
import time
import traceback
from contextlib import contextmanager

from game import Game
from processes import Processes
from scenarios_package import command_line, debian_package
from scenarios_sound import cues_heard, silent_without_sounds
from scenarios_window import starting_matches, window_and_match
from sound import SoundServer
from waiting import Failure
from xserver import XServer

SESSIONS = {
    "command-line": command_line,
    "window": window_and_match,
    "starting": starting_matches,
    "sound": cues_heard,
    "no-sounds": silent_without_sounds,
    "package": debian_package,
}


class Context:
    """What every session uses: the build, the servers, and where to put what it saw."""

    def __init__(self, build_dir, artefacts, scratch, processes, x, sound):
        self.build_dir = build_dir
        self.program = os.path.join(build_dir, "bin", "zarvo-cycles")
        self.artefacts = artefacts
        self.scratch = scratch
        self.processes = processes
        self.x = x
        self.sound = sound
        self.failures = []  # of checks that did not end their session

    def artefact(self, name):
        return os.path.join(self.artefacts, name)

    @contextmanager
    def game(self, *arguments, program=None, name="game"):
        """The game, running until the block ends; stopped by its PID if it is still running."""
        game = Game(self.x, self.processes, program or self.program, arguments, {}, name)
        try:
            yield game
        finally:
            game.stop()

    @contextmanager
    def step(self, name, ends_session=True):
        """One check. A failure names it and ends its session, unless later checks do not
        depend on it: then it is counted and the session goes on."""
        started = time.monotonic()
        measured = Measured()
        try:
            yield measured
        except Failure as failure:
            if ends_session:
                raise Failure(f"{name}: {failure}") from None
            print(f"  FAIL  {name}: {failure}", flush=True)
            self.failures.append(f"{name}: {failure}")
            return
        took = f"{time.monotonic() - started:.1f} s"
        print(f"  ok    {name} ({', '.join([took] + measured.values)})", flush=True)


class Measured:
    """What a check measured, shown with its result."""

    def __init__(self):
        self.values = []

    def __call__(self, text):
        self.values.append(text)


def private_environment(scratch):
    """The environment of every child: no display, bus or sound server from outside."""
    env = {
        name: value
        for name, value in os.environ.items()
        if not name.startswith(("DISPLAY", "WAYLAND", "PULSE", "XDG_", "DBUS", "XAUTHORITY"))
    }
    home = os.path.join(scratch, "home")
    runtime = os.path.join(scratch, "run")
    os.makedirs(home, exist_ok=True)
    os.makedirs(runtime, mode=0o700, exist_ok=True)
    env.update(
        HOME=home,
        XDG_RUNTIME_DIR=runtime,
        XDG_CONFIG_HOME=os.path.join(home, ".config"),
        XDG_CACHE_HOME=os.path.join(home, ".cache"),
        # A bus address that leads nowhere: no client starts a session bus of its own.
        DBUS_SESSION_BUS_ADDRESS="unix:path=" + os.path.join(runtime, "no-bus"),
        NO_AT_BRIDGE="1",
    )
    return env, runtime


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("build_dir")
    parser.add_argument("sessions", nargs="*", help="any of: " + ", ".join(SESSIONS))
    arguments = parser.parse_args()
    unknown = set(arguments.sessions) - set(SESSIONS)
    if unknown:
        parser.error("unknown sessions: " + ", ".join(sorted(unknown)))
    build_dir = os.path.abspath(arguments.build_dir)
    chosen = arguments.sessions or list(SESSIONS)

    artefacts = os.path.join(build_dir, "e2e")
    shutil.rmtree(artefacts, ignore_errors=True)
    os.makedirs(os.path.join(artefacts, "logs"))
    # Short paths: the sound server's socket lives below it.
    scratch = tempfile.mkdtemp(prefix="zarvo-e2e-")
    processes = Processes(os.path.join(artefacts, "logs"))
    # ctest ends a test that runs too long with a signal: clean up then too.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("stopped by SIGTERM"))

    started = time.monotonic()
    failures = []
    failed_sessions = 0
    try:
        env, runtime = private_environment(scratch)
        x = XServer(processes, env)
        x.start()
        sound = SoundServer(processes, x.env, runtime)
        sound.start()
        context = Context(build_dir, artefacts, scratch, processes, x, sound)
        for name in chosen:
            print(f"{name}:", flush=True)
            context.failures = []
            try:
                SESSIONS[name](context)
            except Failure as failure:
                print(f"  FAIL  {failure}", flush=True)
                context.failures.append(str(failure))
            except Exception as error:  # a tool that failed or hung: the next session may run
                traceback.print_exc()
                context.failures.append(f"{type(error).__name__}: {error}")
            failures += [f"{name}: {failure}" for failure in context.failures]
            failed_sessions += bool(context.failures)
    finally:
        processes.stop_all()
        shutil.rmtree(scratch, ignore_errors=True)

    print(f"{len(chosen) - failed_sessions} of {len(chosen)} sessions passed "
          f"in {time.monotonic() - started:.0f} s; screenshots in {artefacts}")
    for failure in failures:
        print("FAILED", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
