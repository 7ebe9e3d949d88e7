"""The driver's child processes: each logs to its own file and is stopped by its PID."""

import ctypes
import os
import signal
import subprocess

_PR_SET_PDEATHSIG = 1
_libc = ctypes.CDLL(None, use_errno=True)


def _end_with_the_driver():
    # Runs in the child before exec: should the driver itself be killed outright, the kernel
    # ends the child too, so nothing outlives a run.
    _libc.prctl(_PR_SET_PDEATHSIG, signal.SIGKILL)


class Processes:
    def __init__(self, log_dir):
        self.log_dir = log_dir
        self._running = []  # (name, Popen, log file), in start order

    def start(self, name, argv, env, stdout=None, pass_fds=()):
        log = open(os.path.join(self.log_dir, name + ".log"), "ab")
        process = subprocess.Popen(
            argv,
            env=env,
            stdin=subprocess.DEVNULL,
            stdout=log if stdout is None else stdout,
            stderr=log,
            pass_fds=pass_fds,
            preexec_fn=_end_with_the_driver,
        )
        self._running.append((name, process, log))
        return process

    def stop(self, process, grace_seconds=3.0):
        """Stops one process by its PID: SIGTERM, then SIGKILL after the grace time."""
        for entry in list(self._running):
            if entry[1] is process:
                self._running.remove(entry)
                _stop(process, grace_seconds)
                entry[2].close()
                return
        _stop(process, grace_seconds)

    def stop_all(self):
        """Stops every process still known, the last started first."""
        while self._running:
            name, process, log = self._running.pop()
            _stop(process, 3.0)
            log.close()


def _stop(process, grace_seconds):
    if process.poll() is not None:
        return
    try:
        os.kill(process.pid, signal.SIGTERM)
        process.wait(timeout=grace_seconds)
    except subprocess.TimeoutExpired:
        os.kill(process.pid, signal.SIGKILL)
        process.wait(timeout=grace_seconds)
    except ProcessLookupError:
        pass
