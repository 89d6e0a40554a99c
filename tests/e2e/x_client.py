# SPDX-License-Identifier: MIT
"""The small X clients the end-to-end tests need, on the display DISPLAY names:

  x_client.py owned SELECTION   exits 0 when the selection has an owner (a tray
                                host claims _NET_SYSTEM_TRAY_S0 once it accepts icons)
  x_client.py keys CODE...      presses and releases X key codes through XTEST:
                                the physical keys, whatever the layout prints on them
  x_client.py mute-owner LOG    takes the clipboard and never answers; writes
                                "owner WINDOW", then "request" for each request and
                                "ping" for each property change on WINDOW (events come
                                in order: a ping counts every request sent before it)
  x_client.py startup-log       prints each startup notification message, as a
                                launcher's busy cursor sees them, after "listening"
"""
import sys

from Xlib import X, display
from Xlib.ext import xtest

x = display.Display()
command, args = sys.argv[1], sys.argv[2:]
root = x.screen().root

if command == "owned":
    sys.exit(x.get_selection_owner(x.intern_atom(args[0])) == X.NONE)

if command == "keys":
    for code in map(int, args):
        xtest.fake_input(x, X.KeyPress, code)
        xtest.fake_input(x, X.KeyRelease, code)
    x.sync()
    sys.exit()

if command == "mute-owner":
    log = open(args[0], "a", buffering=1)
    window = root.create_window(0, 0, 1, 1, 0, 0, window_class=X.InputOnly, event_mask=X.PropertyChangeMask)
    clipboard = x.intern_atom("CLIPBOARD")
    window.set_selection_owner(clipboard, X.CurrentTime)
    if x.get_selection_owner(clipboard) != window:
        sys.exit(2)
    print(f"owner {window.id:#x}", file=log)
    while True:
        event = x.next_event()
        if event.type == X.SelectionRequest:
            print("request", file=log)
        elif event.type == X.PropertyNotify:
            print("ping", file=log)

if command == "startup-log":
    root.change_attributes(event_mask=X.PropertyChangeMask)
    begin, more = x.intern_atom("_NET_STARTUP_INFO_BEGIN"), x.intern_atom("_NET_STARTUP_INFO")
    x.sync()
    print("listening", flush=True)
    message = b""
    while True:
        event = x.next_event()
        if event.type != X.ClientMessage or event.client_type not in (begin, more):
            continue
        # Each event carries 20 bytes of the message; a NUL ends it.
        chunk = bytes(event.data[1])
        message = (b"" if event.client_type == begin else message) + chunk.split(b"\0")[0]
        if b"\0" in chunk:
            print(message.decode("utf-8", "replace"), flush=True)
            message = b""
sys.exit(f"x_client.py: no command {command}")
