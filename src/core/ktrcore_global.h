#pragma once

#if defined(KTRCORE_LIBRARY)
#  define KTRCORE_EXPORT __attribute__((visibility("default")))
#else
#  define KTRCORE_EXPORT __attribute__((visibility("default")))
#endif
