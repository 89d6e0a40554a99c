#include "shell/font_preload.h"

#include <dlfcn.h>

namespace trellum::shell {

FontPreload::FontPreload()
{
    // fontconfig is loaded with Qt's GUI library; asked for by name, so the
    // build needs no fontconfig headers of its own. Without it there is nothing to do.
    using Init = int (*)();
    const auto init = reinterpret_cast<Init>(dlsym(RTLD_DEFAULT, "FcInit"));
    if (!init) return;
    m_thread = std::thread([init] { init(); });
}

FontPreload::~FontPreload() { wait(); }

void FontPreload::wait()
{
    if (m_thread.joinable()) m_thread.join();
}

}  // namespace trellum::shell
