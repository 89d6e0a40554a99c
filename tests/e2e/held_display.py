# SPDX-License-Identifier: MIT
"""A display that holds each new client at its connection until told to go on.

held_display.py LISTEN REAL GO: listens on the Unix socket LISTEN, prints
"connected" for each client, and once the file GO exists passes the client's
bytes to and from the X server's socket REAL. A program held so is inside
QApplication's construction, waiting for the X server's answer."""
import os
import select
import socket
import sys
import threading
import time

listen_path, real_path, go_path = sys.argv[1:4]


def serve(client):
    while not os.path.exists(go_path):
        time.sleep(0.02)
    server = socket.socket(socket.AF_UNIX)
    server.connect(real_path)
    ends = {client: server, server: client}
    while True:
        ready, _, _ = select.select(list(ends), [], [])
        for end in ready:
            data = end.recv(65536)
            if not data:
                client.close()
                server.close()
                return
            ends[end].sendall(data)


listener = socket.socket(socket.AF_UNIX)
listener.bind(listen_path)
listener.listen(8)
print("listening", flush=True)
while True:
    connection, _ = listener.accept()
    print("connected", flush=True)
    threading.Thread(target=serve, args=(connection,), daemon=True).start()
