#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Prints each startup notification message sent on the X display, one a line
(such as 'remove: ID="trellum-test"'), as a launcher's busy cursor sees them.
Prints 'listening' first, once it receives them."""
import sys

from Xlib import X, display

screen_display = display.Display()
root = screen_display.screen().root
root.change_attributes(event_mask=X.PropertyChangeMask)
begin = screen_display.intern_atom("_NET_STARTUP_INFO_BEGIN")
more = screen_display.intern_atom("_NET_STARTUP_INFO")
screen_display.sync()
print("listening", flush=True)

message = b""
while True:
    event = screen_display.next_event()
    if event.type != X.ClientMessage or event.client_type not in (begin, more):
        continue
    if event.client_type == begin:
        message = b""
    # Each event carries 20 bytes of the message; a NUL ends it.
    chunk = bytes(event.data[1])
    message += chunk.split(b"\0")[0]
    if b"\0" in chunk:
        print(message.decode("utf-8", "replace"), flush=True)
        message = b""
