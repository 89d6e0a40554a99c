#!/usr/bin/env bash
# A screen reader's view of the real program over AT-SPI: every key named as a
# person says it and described by its keyboard key, the display a text holding
# the shown number, keys pressed through their accessible actions, and a text
# event for a new result but none while digits are typed.
source "$E2E_DIR/atspi_lib.sh"

start_desktop
start_atspi
start_accessible_app LC_ALL=C
probe english
echo "PASS"
