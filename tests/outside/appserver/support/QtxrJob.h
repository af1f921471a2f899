#pragma once

#include <Variant.h>

#include <string>

namespace ktr::testing {

struct QtxrJobOptions {
    std::string user = "796";
    std::string company = "QaTest60";
    std::string database = "QaTest60";
    bool periodic = false;
    std::string remark = "年度基数调整";
};

// A job parameter array as the QTXR72 form sends it: 14 environment entries, the nine rows of
// the form and the four of the report form, texts as wide text; for a periodic job also the
// period settings and one dynamic-date rule.
Variant qtxr72JobArray(const QtxrJobOptions &options = {});

} // namespace ktr::testing
