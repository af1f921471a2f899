#pragma once

// libktrcore is built with hidden visibility; what it shares is marked for export. With the
// GNU toolchain the same attribute serves the library and its users.
#define KTRCORE_EXPORT __attribute__((visibility("default")))
