# SPDX-License-Identifier: MIT
"""Orca, the screen reader, on a test's own desktop, for the tests that hear the window and the
page through it."""

import os

from desktop import keep


def start_orca(desktop):
    """Starts Orca without a voice, writing what it presents to its debug record; returns the
    record's path. Orca runs in a process namespace of its own: its --replace ends every Orca of
    its user that it can see, and there it sees none but itself, never the user's own screen
    reader."""
    prefs = os.path.join(desktop.home, "orca")
    os.makedirs(prefs)
    record = keep("orca.log")
    alone = ["unshare", "--pid", "--fork", "--mount-proc"]
    if os.getuid() != 0:
        alone.append("--map-current-user")
    desktop.start([*alone, "orca", "--replace", "-u", prefs, "--debug-file", record,
                   "-d", "speech"])
    return record
