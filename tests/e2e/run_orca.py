#!/usr/bin/python3
"""Runs Debian's Orca screen reader for a test, logging what it says to the
file named by the first argument, one line as it happens (SPEECH OUTPUT: '...').
Orca writes that log whether or not a speech server runs.

Orca's own start-up is changed in three ways, all for running beside a user's
desktop: it keeps the name of this process, so a user's `orca --replace` does
not take it for theirs; it does not stop or give way to the user's own Orca;
and its log is written line by line, so the test can follow it."""

import builtins
import runpy
import sys

log_path = sys.argv[1]
sys.argv = ["orca", "--debug-file", log_path]
orca = runpy.run_path("/usr/bin/orca", run_name="orca_under_test")
start = orca["main"]
start.__globals__["setProcessName"] = lambda name: None
start.__globals__["otherOrcas"] = lambda: []


def open_log(name, mode="r", *args, **kwargs):
    if name == log_path:
        return builtins.open(name, mode, buffering=1, encoding="utf-8")
    return builtins.open(name, mode, *args, **kwargs)


start.__globals__["open"] = open_log
sys.exit(start())
