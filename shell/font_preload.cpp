#include "shell/font_preload.h"

#include <fontconfig/fontconfig.h>

namespace trellum::shell {

FontPreload::FontPreload() : m_thread([] { FcInit(); }) {}

FontPreload::~FontPreload() { wait(); }

void FontPreload::wait()
{
    if (m_thread.joinable()) m_thread.join();
}

}  // namespace trellum::shell
