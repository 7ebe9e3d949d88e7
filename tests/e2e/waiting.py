"""Bounded waits and the failure they raise."""

import time


class Failure(Exception):
    """A check of the real program that did not hold."""


def wait_for(what, probe, timeout, interval=0.05):
    """Calls probe() until it returns something truthy and returns that; fails after timeout."""
    deadline = time.monotonic() + timeout
    while True:
        value = probe()
        if value:
            return value
        if time.monotonic() >= deadline:
            raise Failure(f"timed out after {timeout:g} s waiting for {what}")
        time.sleep(interval)


def check(condition, message):
    if not condition:
        raise Failure(message)
