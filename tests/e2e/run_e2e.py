#!/usr/bin/env python3
# Plays the built game as a person would: in a private X server with a window manager and a
# private sound server, through real key presses and clicks, reading the screen and the speakers;
# then builds the Debian package and plays that. Each session starts its own servers and stops
# every process it started; the run leaves nothing in /tmp or $HOME.
#
#     python3 tests/e2e/run_e2e.py BUILD_DIR [SESSION...]
#
# Screenshots, recordings and logs go to BUILD_DIR/e2e/. Exit status 0 when every check held.
import os
import shutil
import signal
import sys
import tempfile
import types

from desktop import Desktop
from harness import Processes, private_environment
from session_package import package
from session_play import play
from session_sound import sound

# Each session's checks, and the keyword arguments of its Desktop: the X server's screen, the
# window manager's command line, and what each game launch adds to the environment.
SESSIONS = {"play": (play, {"screen": "1920x1200x24", "title_points": 28}),  # a tall title bar
            "sound": (sound, {}), "package": (package, {})}


def main():
    chosen = sys.argv[2:] or list(SESSIONS)
    if len(sys.argv) < 2 or set(chosen) - set(SESSIONS):
        sys.exit(f"usage: run_e2e.py BUILD_DIR [{' | '.join(SESSIONS)}]...")
    build_dir = os.path.abspath(sys.argv[1])
    shutil.rmtree(f"{build_dir}/e2e", ignore_errors=True)
    os.makedirs(f"{build_dir}/e2e/logs")
    # ctest ends a test that runs too long with SIGTERM: clean up then too.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("stopped by SIGTERM"))
    failed = []
    for name in chosen:
        print(f"{name}:", flush=True)
        processes = Processes(f"{build_dir}/e2e/logs")
        scratch = tempfile.mkdtemp(prefix="zarvo-e2e-")  # short: a socket path runs below it
        plays, desktop_options, desktop = *SESSIONS[name], None
        try:
            desktop = Desktop(processes, private_environment(scratch), **desktop_options)
            plays(types.SimpleNamespace(build_dir=build_dir, scratch=scratch, processes=processes,
                                        x=desktop, artefact=lambda file: f"{build_dir}/e2e/{file}"))
            print("  passed", flush=True)
        except Exception as error:  # a check that failed, or a tool that failed or hung
            print(f"  FAILED: {type(error).__name__}: {error}", flush=True)
            failed.append(name)
            if desktop:
                desktop.screenshot().save(f"{build_dir}/e2e/{name}-failed.png")
        finally:
            processes.stop_all()
            shutil.rmtree(scratch)
    print(f"{len(chosen) - len(failed)} passed, {len(failed)} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
