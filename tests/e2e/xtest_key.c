// SPDX-License-Identifier: MIT
/* Presses and releases X key codes through XTEST, one after the other, with no
 * modifier added: the physical keys, whatever the layout prints on them.
 *   xtest_key KEYCODE...        (X key code = evdev code + 8) */
#include <stdio.h>
#include <stdlib.h>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

int main(int argc, char** argv)
{
    Display* display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "xtest_key: cannot open the display\n");
        return 2;
    }
    for (int i = 1; i < argc; ++i) {
        const unsigned code = (unsigned)strtoul(argv[i], NULL, 10);
        if (code < 8 || code > 255) {
            fprintf(stderr, "xtest_key: %s is no X key code\n", argv[i]);
            return 2;
        }
        XTestFakeKeyEvent(display, code, True, CurrentTime);
        XTestFakeKeyEvent(display, code, False, CurrentTime);
    }
    XSync(display, False);
    XCloseDisplay(display);
    return 0;
}
