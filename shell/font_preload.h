// SPDX-License-Identifier: MIT
#pragma once
// fontconfig reads its configuration and the font caches the first time a font
// is used: a third of the program's start-up. FontPreload starts that reading on
// a second thread as soon as the program knows it will show a window, so it
// runs beside Qt's connection to the display; wait() returns once it is done.

#include <thread>

namespace trellum::shell {

class FontPreload {
public:
    FontPreload();
    ~FontPreload();
    FontPreload(const FontPreload&) = delete;
    FontPreload& operator=(const FontPreload&) = delete;

    // Called before the first font is used, so that Qt finds fontconfig ready
    // rather than reading the same files again beside the preload.
    void wait();

private:
    std::thread m_thread;
};

}  // namespace trellum::shell
