// SPDX-License-Identifier: MIT
/* Exits 0 when the X selection named by argv[1] has an owner (a tray host
   claims _NET_SYSTEM_TRAY_S0 once it accepts icons). */
#include <stdlib.h>
#include <string.h>
#include <xcb/xcb.h>

int main(int argc, char **argv)
{
    if (argc < 2) return 2;
    xcb_connection_t *c = xcb_connect(NULL, NULL);
    if (xcb_connection_has_error(c)) return 2;
    xcb_intern_atom_reply_t *a =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, (uint16_t)strlen(argv[1]), argv[1]), NULL);
    if (!a) return 2;
    xcb_get_selection_owner_reply_t *o =
        xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, a->atom), NULL);
    int owned = o && o->owner;
    free(o);
    free(a);
    xcb_disconnect(c);
    return owned ? 0 : 1;
}
