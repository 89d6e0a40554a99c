/* Takes the CLIPBOARD selection and never answers a request for it, as a hung
   program would. After each request it writes the number received so far to
   the file argv[1]. */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <xcb/xcb.h>

int main(int argc, char **argv)
{
    if (argc < 2) return 2;
    xcb_connection_t *c = xcb_connect(NULL, NULL);
    if (xcb_connection_has_error(c)) return 2;
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const xcb_window_t window = xcb_generate_id(c);
    xcb_create_window(c, XCB_COPY_FROM_PARENT, window, screen->root, 0, 0, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_ONLY,
                      XCB_COPY_FROM_PARENT, 0, NULL);
    xcb_intern_atom_reply_t *clipboard =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, 9, "CLIPBOARD"), NULL);
    if (!clipboard) return 2;
    xcb_set_selection_owner(c, window, clipboard->atom, XCB_CURRENT_TIME);
    xcb_flush(c);
    int requests = 0;
    xcb_generic_event_t *event;
    while ((event = xcb_wait_for_event(c)) != NULL) {
        if ((event->response_type & 0x7f) == XCB_SELECTION_REQUEST) {
            FILE *out = fopen(argv[1], "w");
            if (out) {
                fprintf(out, "%d\n", ++requests);
                fclose(out);
            }
        }
        free(event);
    }
    return 0;
}
