#pragma once

#include <span>

namespace ktr::store {

// One entry of the system's message catalogue, in the three interface languages.
struct CatalogueMessage {
    const char *type;   // type letter: E, W, I, C, D, Q or R
    const char *number; // six digits
    const char *simplified;
    const char *traditional;
    const char *english;
};

// The messages the job forms report; placeholders are "%s" only.
std::span<const CatalogueMessage> builtInMessages();

} // namespace ktr::store
