# What every session leans on: bounded waits, tools run to their end, and the long-lived
# children, which end with the driver and are stopped by their PID.
import contextlib
import ctypes
import os
import signal
import subprocess
import time


def wait_for(claim, probe, timeout):  # calls probe() until it returns something truthy: that
    deadline = time.monotonic() + timeout
    while not (value := probe()):
        assert time.monotonic() < deadline, f"{claim}: not within {timeout:g} s"
        time.sleep(0.05)
    return value


def run(*argv, status=0, text=True, **options):  # a tool, run to its end
    done = subprocess.run(argv, capture_output=True, text=text, timeout=300, **options)
    assert status in (None, done.returncode), f"{argv} exited {done.returncode}: {done.stderr}"
    return done


class Processes:
    def __init__(self, log_dir):
        self.log_dir, self.running = log_dir, []

    def start(self, name, argv, env, stdout=None, pass_fds=()):
        with open(f"{self.log_dir}/{name}.log", "ab") as log:
            # PR_SET_PDEATHSIG: should the driver be killed outright, the child ends too.
            self.running.append(subprocess.Popen(
                argv, env=env, stdin=subprocess.DEVNULL, stdout=stdout or log, stderr=log,
                pass_fds=pass_fds, preexec_fn=lambda: ctypes.CDLL(None).prctl(1, signal.SIGKILL)))
        return self.running[-1]

    def stop(self, process):  # SIGTERM to its PID; SIGKILL if it is still there 3 s later
        self.running.remove(process)
        process.terminate()
        with contextlib.suppress(subprocess.TimeoutExpired):
            return process.wait(3)
        process.kill()

    def stop_all(self):
        while self.running:
            self.stop(self.running[-1])


def private_environment(scratch):
    # Its own home, runtime and temporary folders in `scratch`; no display, bus, sound server or
    # Qt setting from outside (the tests' own QT_QPA_PLATFORM=offscreen among them), and a bus
    # address that leads nowhere, so that no client starts one.
    env = {name: value for name, value in os.environ.items() if not name.startswith(
        ("DISPLAY", "WAYLAND", "PULSE", "XDG_", "DBUS", "XAUTHORITY", "QT_"))}
    for folder in ("home", "run", "tmp"):
        os.makedirs(f"{scratch}/{folder}", mode=0o700)
    return dict(env, HOME=f"{scratch}/home", XDG_RUNTIME_DIR=f"{scratch}/run", NO_AT_BRIDGE="1",
                TMPDIR=f"{scratch}/tmp", DBUS_SESSION_BUS_ADDRESS=f"unix:path={scratch}/run/no-bus")
