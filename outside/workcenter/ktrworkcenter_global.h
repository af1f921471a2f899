#pragma once

// libktrworkcenter is built with hidden visibility; what its tests use directly is marked for
// export. Clients reach it through the class "HarrowWorkCenter.Manager".
#define KTRWORKCENTER_EXPORT __attribute__((visibility("default")))
