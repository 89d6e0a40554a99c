# SPDX-License-Identifier: MIT
# A constants library longer than a 16-bit index: every entry is selectable and
# loads its own value, through the key-script runner's --constants.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

for count in 40000 70000; do
    {
        printf 'This file constains constants for Trellum:\r\n================================================\r\n'
        seq 1 "$count" | awk '{ printf "k%d = %d\r\n", $1, $1 }'
    } >"$TMP/constants.txt"
    for entry in 32767 32768 65537 "$count"; do
        [ "$entry" -le "$count" ] || continue
        shown=$(printf 'CO:%s' "$entry" | "$RUNNER" --constants "$TMP/constants.txt" | cut -f2) ||
            fail "$count constants: CO:$entry refused"
        [ "$shown" = "$entry.  " ] || fail "$count constants: entry $entry shows '$shown'"
    done
done
echo ok
