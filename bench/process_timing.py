"""Whole-process timing for the bench scripts: one run of a program, spawn to exit."""
import os
import time

_devnull = os.open(os.devnull, os.O_WRONLY)


def run_once(argv):
    """Runs argv with its output thrown away; the wall time in ms. A failing run stops the bench."""
    start = time.perf_counter_ns()
    pid = os.posix_spawn(argv[0], argv, os.environ,
                         file_actions=[(os.POSIX_SPAWN_DUP2, _devnull, 1)])
    _, status = os.waitpid(pid, 0)
    elapsed = time.perf_counter_ns() - start
    assert os.waitstatus_to_exitcode(status) == 0, argv[:3]
    return elapsed / 1e6
