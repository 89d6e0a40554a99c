// SPDX-License-Identifier: MIT
#include "shell/font_preload.h"

#include <system_error>

#include <fontconfig/fontconfig.h>

namespace trellum::shell {

FontPreload::FontPreload()
{
    // Without a second thread (a process limit reached) Qt reads the same files
    // itself when the first font is used: slower, never fatal.
    try {
        m_thread = std::thread([] { FcInit(); });
    } catch (const std::system_error&) {
    }
}

FontPreload::~FontPreload() { wait(); }

void FontPreload::wait()
{
    if (m_thread.joinable()) m_thread.join();
}

}  // namespace trellum::shell
