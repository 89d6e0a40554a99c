#!/usr/bin/env bash
# The program under a German locale, read over AT-SPI: German menus and key
# names, a German message, and numbers that keep their "." although the
# locale's decimal separator is a comma.
source "$E2E_DIR/atspi_lib.sh"

# A real German locale, generated here when the system has none, so C's number
# formatting would turn "." into "," if the program ever used it.
LOCALE_ENV=(LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8 LANGUAGE=de)
if ! locale -a 2>/dev/null | grep -qix 'de_DE.utf8'; then
    mkdir -p "$E2E_TMP/locale"
    localedef -i de_DE -f UTF-8 "$E2E_TMP/locale/de_DE.UTF-8" 2>/dev/null || fail "localedef could not build de_DE.UTF-8"
    LOCALE_ENV+=(LOCPATH="$E2E_TMP/locale")
fi

start_desktop
start_atspi
start_accessible_app "${LOCALE_ENV[@]}"
probe german

set_clipboard "abc"
xdotool windowactivate --sync "$WIN" key ctrl+v
probe german-message
xdotool key Return
echo "PASS"
