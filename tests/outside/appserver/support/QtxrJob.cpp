#include "QtxrJob.h"

#include <vector>

namespace ktr::testing {

namespace {

Variant w(const char *text)
{
    return Variant::wideText(text);
}

Variant w(const std::string &text)
{
    return Variant::wideText(text);
}

Variant indexedFromOne(std::vector<Variant> items)
{
    return Variant::array(std::move(items), 1);
}

} // namespace

Variant qtxr72JobArray(const QtxrJobOptions &options)
{
    const Variant now = Variant::date(45443.5); // 2024-05-31 12:00
    const Variant environment = indexedFromOne({
        w("QTXR72"), Variant(std::int32_t{14}), Variant(std::int32_t{13}), w(options.company),
        w(options.user), w(options.database), now, w("QTXR72S.Class1"), w(options.periodic ? "r" : "R"),
        Variant(std::int32_t{options.periodic ? 2 : 0}), now,
        w("<?xml version=\"1.0\" encoding=\"GB2312\"?><Root><R1 ID=\"796\" Name=\"\" Type=\"5\" Msg=\"YNN\"/></Root>"),
        Variant(std::int32_t{1}), w(""),
    });
    const char *captions[][2] = {
        {"选择公司", "sp01"},      {"选择部门编号", "sp02"},   {"选择员工编号", "sp03"},
        {"选择计算年月", "sp04"},  {"更新社保金基数", "chk05"}, {"更新公积金基数", "chk06"},
        {"输入异动日期", "me07"},  {"输入备注", "ed08"},       {"更新基数类型", "sp09"},
        {"签核", "grpSignIn"},     {"页脚", "grpNote"},       {"日期类型", "cboDateType"},
        {"制表日期", "edPrintDate"},
    };
    std::vector<Variant> captionRows;
    for (const auto &c : captions)
        captionRows.push_back(Variant::array({w(c[0]), w(c[1])}));
    const Variant values = indexedFromOne({
        Variant::array({w("\x05"), Variant::array({w("QaTest60"), w("千岸六十"), w("千岸测试六十股份有限公司"), w("千岸测试六十")})}),
        Variant::array({w("\x04"), w("A01"), w("D01")}),
        Variant::array({w("\x04"), w(""), w("")}),
        Variant::array({w("\x04"), w("202401"), w("202412")}),
        w("N"),
        w("N"),
        w("2024/05/31"),
        w(options.remark),
        Variant::array({w("\x05"), Variant::array({w("01"), w("养老保险基数")}),
                        Variant::array({w("06"), w("住房公积金基数")})}),
        Variant::array({w("每页打印签核"), Variant(false), w("S01"), w("制表:"), w("审核:"), w("核准:")}),
        Variant::array({w("每页打印页脚"), Variant(true), w("F01"), w("本报表仅供内部使用"), w(""), w("")}),
        Variant::array({Variant(std::int32_t{1}), w("公历 YYYYMMDD")}),
        w("20240531"),
    });
    std::vector<Variant> job{environment, indexedFromOne(std::move(captionRows)), values};
    if (options.periodic) {
        job.push_back(Variant::array({w("Y"), w("08:30"),
                                      Variant::array({Variant(std::int32_t{1}), Variant::array({w("1"), Variant(std::int32_t{1})})}),
                                      Variant::array({w("20240515"), Variant(std::int32_t{0})})}));
        job.push_back(Variant::array({Variant(std::int32_t{1}), w("1\x03me07\x03N\x030\x030\x030\x030\x03D\x037")}));
    }
    return Variant::array(std::move(job));
}

} // namespace ktr::testing
