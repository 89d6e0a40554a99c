// SPDX-License-Identifier: MIT
/* Takes the CLIPBOARD selection and never answers a request for it, as a hung
   program would. It appends to the file argv[1] a line "owner WINDOW" once the
   server has made it the owner, "request" for each request it receives, and
   "ping" for each change of a property on WINDOW: events come in order, so a
   "ping" line means every request sent before that change has been counted. */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <xcb/xcb.h>

static void note(const char *path, const char *line)
{
    FILE *out = fopen(path, "a");
    if (!out) return;
    fputs(line, out);
    fclose(out);
}

int main(int argc, char **argv)
{
    if (argc < 2) return 2;
    xcb_connection_t *c = xcb_connect(NULL, NULL);
    if (xcb_connection_has_error(c)) return 2;
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const xcb_window_t window = xcb_generate_id(c);
    const uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_create_window(c, XCB_COPY_FROM_PARENT, window, screen->root, 0, 0, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_ONLY,
                      XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK, &events);
    xcb_intern_atom_reply_t *clipboard =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, 9, "CLIPBOARD"), NULL);
    if (!clipboard) return 2;
    xcb_set_selection_owner(c, window, clipboard->atom, XCB_CURRENT_TIME);
    xcb_get_selection_owner_reply_t *owner =
        xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, clipboard->atom), NULL);
    if (!owner || owner->owner != window) return 2;
    char line[32];
    snprintf(line, sizeof line, "owner 0x%x\n", (unsigned)window);
    note(argv[1], line);
    xcb_generic_event_t *event;
    while ((event = xcb_wait_for_event(c)) != NULL) {
        const int type = event->response_type & 0x7f;
        if (type == XCB_SELECTION_REQUEST) note(argv[1], "request\n");
        if (type == XCB_PROPERTY_NOTIFY) note(argv[1], "ping\n");
        free(event);
    }
    return 0;
}
