#pragma once

// libktrappserver is built with hidden visibility; what ktr-appserver, the tests and the
// benchmark use is marked for export.
#define KTRAPPSERVER_EXPORT __attribute__((visibility("default")))
