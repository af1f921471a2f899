#pragma once

// libktrstore is built with hidden visibility; what the server, the work-center and the tests
// share is marked for export.
#define KTRSTORE_EXPORT __attribute__((visibility("default")))
