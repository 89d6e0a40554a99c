# The private desktop starts reliably. An X server resets when its last client
# leaves; the readiness probes are such clients, and a reset while openbox
# connects made openbox fail ("openbox did not start") under load. A property
# set by a client that then leaves must survive.
source "$E2E_DIR/lib.sh"
start_xserver
xprop -root -f TRELLUM_PROBE 8s -set TRELLUM_PROBE kept
xprop -root TRELLUM_PROBE | grep -q '"kept"' || fail "the X server reset when its last client left"
echo "ok"
