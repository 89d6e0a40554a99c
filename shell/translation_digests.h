// SPDX-License-Identifier: MIT
#pragma once
// The .qm files this build made: generated at build time (translation_digests.cmake).

#include <cstdint>

namespace trellum::shell {

struct TranslationDigest {
    const char* name;     // the file's name, "trellum_de.qm"; null ends the list
    std::int64_t size;
    const char* sha256;   // lower-case hex
};

extern const TranslationDigest kTranslationDigests[];

}  // namespace trellum::shell
