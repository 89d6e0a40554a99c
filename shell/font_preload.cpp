#include "shell/font_preload.h"

#include <dlfcn.h>
#include <malloc.h>
#include <sys/mman.h>

#include <cstddef>

namespace trellum::shell {

namespace {

// fontconfig reads XML and caches: a small stack is plenty. It is the
// program's own, so the pages it touched are returned once the reading is done.
constexpr std::size_t kStackBytes = 1024 * 1024;

void* readFontconfig(void* init)
{
    reinterpret_cast<int (*)()>(init)();
    return nullptr;
}

}  // namespace

FontPreload::FontPreload()
{
    // fontconfig is loaded with Qt's GUI library; asked for by name, so the
    // build needs no fontconfig headers of its own. Without it there is nothing to do.
    void* init = dlsym(RTLD_DEFAULT, "FcInit");
    if (!init) return;
    // One malloc arena for the whole program: fontconfig's data would otherwise
    // go to an arena of this thread's own, kept for the rest of the run.
    mallopt(M_ARENA_MAX, 1);
    m_stack = mmap(nullptr, kStackBytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_STACK, -1, 0);
    if (m_stack == MAP_FAILED) {
        m_stack = nullptr;
        return;
    }
    pthread_attr_t attributes;
    pthread_attr_init(&attributes);
    pthread_attr_setstack(&attributes, m_stack, kStackBytes);
    m_started = pthread_create(&m_thread, &attributes, readFontconfig, init) == 0;
    pthread_attr_destroy(&attributes);
    if (!m_started) {
        munmap(m_stack, kStackBytes);
        m_stack = nullptr;
    }
}

FontPreload::~FontPreload() { wait(); }

void FontPreload::wait()
{
    if (m_started) pthread_join(m_thread, nullptr);
    m_started = false;
    if (m_stack) munmap(m_stack, kStackBytes);
    m_stack = nullptr;
}

}  // namespace trellum::shell
