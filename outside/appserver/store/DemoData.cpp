#include "DemoData.h"

#include "Schema.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace ktr::store {

namespace {

struct Company {
    const char *code, *name, *shortName, *title;
};
constexpr Company kCompanies[] = {
    {"QaTest60", "千岸测试六十股份有限公司", "千岸六十", "千岸测试六十"},
    {"QaTest61", "千岸测试六十一贸易有限公司", "千岸六一", "千岸测试六十一"},
    {"KH01", "凯汉精密制造有限公司", "凯汉精密", "凯汉精密"},
    {"KH02", "凯汉物流服务有限公司", "凯汉物流", "凯汉物流"},
};

constexpr const char *kDepartments[][2] = {
    {"A01", "总经理室"}, {"A02", "人力资源部"}, {"A03", "财务部"}, {"B01", "生产一部"},
    {"B02", "生产二部"}, {"C01", "营业部"}, {"C02", "采购部"}, {"D01", "信息部"},
};

constexpr const char *kSurnames[] = {"王", "李", "张", "刘", "陈", "杨", "黄", "赵", "吴", "周",
                                     "徐", "孙", "马", "朱", "胡", "郭", "何", "林", "高", "罗"};
constexpr const char *kGivenNames[] = {"伟", "芳", "娜", "敏", "静", "丽", "强", "磊", "军", "洋",
                                       "勇", "艳", "杰", "娟", "涛", "明", "超", "秀英", "霞", "平",
                                       "刚", "桂英", "建华", "志强", "晓东", "海燕", "丹", "慧"};

constexpr const char *kBaseTypes[][4] = {
    {"01", "养老保险基数", "社保", "按上年度月平均工资核定"},
    {"02", "医疗保险基数", "社保", "按上年度月平均工资核定"},
    {"03", "失业保险基数", "社保", "按上年度月平均工资核定"},
    {"04", "工伤保险基数", "社保", "按上年度月平均工资核定"},
    {"05", "生育保险基数", "社保", "按上年度月平均工资核定"},
    {"06", "住房公积金基数", "公积金", "每年七月调整"},
    {"07", "补充公积金基数", "公积金", "每年七月调整"},
};

struct User {
    const char *code, *name, *mobile, *email, *department;
};
constexpr User kUsers[] = {
    {"796", "王晓明", "13800000796", "wang.xiaoming@example.com", "A02"},
    {"801", "李芳", "13800000801", "li.fang@example.com", "A02"},
    {"805", "张强", "13800000805", "zhang.qiang@example.com", "B01"},
    {"DS", "系统管理员", "", "admin@example.com", "D01"},
    {"HR01", "陈静", "13900000001", "chen.jing@example.com", "A02"},
};

struct Program {
    const char *code, *name, *englishName, *module, *kind, *version, *wantLog, *noDirectQuery, *publicEdition;
};
constexpr Program kPrograms[] = {
    {"QTXR72", "福利金基数更新作业", "Welfare-fund base update", "PAL", "R", "010807", "Y", "N", "Y"},
    {"PALR05", "员工福利金明细表", "Welfare-fund details", "PAL", "R", "010101", "N", "N", "Y"},
    {"PALB01", "福利金计算作业", "Welfare-fund calculation", "PAL", "B", "010101", "N", "Y", "N"},
};

struct Right {
    const char *database, *user, *program, *rights, *limitTable, *limitItems;
};
constexpr Right kRights[] = {
    {"QaTest60", "796", "QTXR72", "YYYYYYYYYY", "", ""},
    {"QaTest60", "796", "PALR05", "YYYYYYYYYY", "", ""},
    {"QaTest61", "796", "QTXR72", "YYYYYYYYYY", "", ""},
    {"QaTest60", "801", "QTXR72", "YYYYNNNNNN", "TAXMA", "QaTest60"},
    {"QaTest60", "DS", "QTXR72", "YYYYYYYYYY", "", ""},
    {"QaTest60", "HR01", "QTXR72", "YYYNNNYNNN", "TAXMA", "QaTest60,QaTest61"},
};

constexpr const char *kFooters[][6] = {
    {"1", "F01", "标准页脚", "本报表仅供内部使用", "如有疑问请联系人力资源部", "千岸测试六十股份有限公司"},
    {"1", "F02", "机密页脚", "机密资料 请勿外传", "打印后请妥善保管", ""},
    {"2", "S01", "人事签核", "制表:", "审核:", "核准:"},
    {"2", "S02", "财务签核", "经办:", "财务主管:", "总经理:"},
};

constexpr const char *kSysInfo[][3] = {
    {"*", "Sys001", "1"},       // date kind: year-month-day
    {"*", "Sys002", "/"},       // date separator
    {"*", "SYS026", "1"},       // ROC-year date types offered
    {"*", "SYS181", "Y"},       // web report offered
    {"QaTest60", "KTR002", "千岸测试六十"},
    {"QaTest60", "SYS007", "商品大类"},
    {"QaTest60", "SYS008", "商品中类"},
    {"QaTest61", "KTR002", "千岸测试六十一"},
    {"KH01", "KTR002", "凯汉精密"},
    {"KH02", "KTR002", "凯汉物流"},
};

constexpr const char *kPhrases[][2] = {
    {"", "按年度社保基数调整"},
    {"", "按上年度月平均工资核定基数"},
    {"", "补录上月人事异动"},
    {"", "新进员工基数设定"},
    {"796", "七月份公积金基数调整"},
    {"796", "依社保局通知更新基数"},
};

constexpr const char *kHelpTexts[][4] = {
    {"PAL", "*", "人事薪资模块", "人事薪资模块提供员工资料、薪资计算与福利金管理等作业。"},
    {"PAL", "12050000", "员工福利金明细表",
     "列出所选公司、部门与员工在计算年月内的福利金基数与缴交金额。"},
};

// A fixed-seed generator, so that every seeding yields the same people.
class Sequence {
public:
    std::uint32_t next()
    {
        m_state = m_state * 1103515245u + 12345u;
        return (m_state >> 16) & 0x7fff;
    }
    template <typename T, std::size_t N>
    const T &pick(const T (&items)[N]) { return items[next() % N]; }

private:
    std::uint32_t m_state = 20240531u;
};

std::string twoDigits(int n)
{
    char text[8];
    std::snprintf(text, sizeof text, "%02d", n % 100);
    return text;
}

void clearDemoTables(Database &db)
{
    for (const char *table : {"companies", "departments", "employees", "welfare_base_types", "users",
                              "programs", "program_rights", "footers", "program_footers",
                              "WebReportConfig", "KTRINTMA", "phrases", "sys_info", "help_texts"})
        db.exec(std::string("DELETE FROM ") + table);
}

template <typename... Texts>
void insertRow(Database &db, std::string_view sql, const Texts &...values)
{
    auto q = db.query(sql);
    int index = 0;
    (q->bind(++index, std::string_view(values)), ...);
    q->run();
}

void seedEmployees(Database &db)
{
    Sequence seq;
    const int perCompany[] = {160, 60, 50, 30};
    int companyIndex = 0;
    for (const Company &company : kCompanies) {
        for (const auto &dept : kDepartments)
            insertRow(db, "INSERT INTO departments(company, code, name, manager) VALUES(?, ?, ?, ?)",
                      company.code, dept[0], std::string(dept[1]), "");
        for (int i = 1; i <= perCompany[companyIndex]; ++i) {
            char code[16];
            std::snprintf(code, sizeof code, "E%c%04d", static_cast<char>('0' + companyIndex), i);
            const std::string name = std::string(seq.pick(kSurnames)) + seq.pick(kGivenNames);
            const char *dept = kDepartments[seq.next() % std::size(kDepartments)][0];
            const int year = 2005 + static_cast<int>(seq.next() % 19);
            const std::string hired = std::to_string(year) + twoDigits(1 + seq.next() % 12) +
                                      twoDigits(1 + seq.next() % 28);
            const std::string left = (seq.next() % 12 == 0) ? "20231231" : "";
            insertRow(db,
                      "INSERT INTO employees(company, code, name, department, hire_date, leave_date)"
                      " VALUES(?, ?, ?, ?, ?, ?)",
                      company.code, code, name, dept, hired, left);
        }
        ++companyIndex;
    }
}

} // namespace

void seedDemo(Database &db)
{
    ensureSchema(db);
    Transaction tx(db);
    clearDemoTables(db);
    for (const Company &c : kCompanies)
        insertRow(db, "INSERT INTO companies(code, name, short_name, title) VALUES(?, ?, ?, ?)",
                  c.code, c.name, c.shortName, c.title);
    seedEmployees(db);
    for (const auto &t : kBaseTypes)
        insertRow(db, "INSERT INTO welfare_base_types(code, name, category, remark) VALUES(?, ?, ?, ?)",
                  t[0], t[1], t[2], t[3]);
    for (const User &u : kUsers)
        insertRow(db, "INSERT INTO users(code, name, mobile, email, department) VALUES(?, ?, ?, ?, ?)",
                  u.code, u.name, u.mobile, u.email, u.department);
    for (const Program &p : kPrograms)
        insertRow(db,
                  "INSERT INTO programs(code, name, english_name, module, kind, version, want_log,"
                  " no_direct_query, public_edition, server_class) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
                  p.code, p.name, p.englishName, p.module, p.kind, p.version, p.wantLog,
                  p.noDirectQuery, p.publicEdition, std::string(p.code) + "S.Class1");
    for (const Right &r : kRights)
        insertRow(db,
                  "INSERT INTO program_rights(database_code, user_code, program, rights, limit_table,"
                  " limit_items) VALUES(?, ?, ?, ?, ?, ?)",
                  r.database, r.user, r.program, r.rights, r.limitTable, r.limitItems);
    for (const auto &f : kFooters)
        insertRow(db,
                  "INSERT INTO footers(kind, code, description, line1, line2, line3)"
                  " VALUES(?, ?, ?, ?, ?, ?)",
                  f[0], f[1], f[2], f[3], f[4], f[5]);
    insertRow(db,
              "INSERT INTO program_footers(program, note_code, note_open, note_each_page, note1,"
              " note2, note3, sign_code, sign_open, sign_each_page, sign1, sign2, sign3)"
              " VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
              "QTXR72", "F01", "Y", "N", kFooters[0][3], kFooters[0][4], kFooters[0][5], "S01", "Y",
              "N", kFooters[2][3], kFooters[2][4], kFooters[2][5]);
    insertRow(db, "INSERT INTO WebReportConfig(SiteId, SiteUrl) VALUES(?, ?)", "01",
              "http://127.0.0.1:8088/KtrReport");
    insertRow(db, "INSERT INTO KTRINTMA(MA001, MA002, MA003) VALUES(?, ?, ?)", "StartupPortal",
              "启用企业门户", "N");
    insertRow(db, "INSERT INTO KTRINTMA(MA001, MA002, MA003) VALUES(?, ?, ?)", "Portal WS",
              "企业门户服务地址", "http://127.0.0.1:8089/PortalService");
    int phraseSeq = 0;
    for (const auto &p : kPhrases)
        insertRow(db, "INSERT INTO phrases(user_code, seq, text) VALUES(?, ?, ?)", p[0],
                  std::to_string(++phraseSeq), p[1]);
    for (const auto &s : kSysInfo)
        insertRow(db, "INSERT INTO sys_info(company, name, value) VALUES(?, ?, ?)", s[0], s[1], s[2]);
    for (const auto &h : kHelpTexts)
        insertRow(db, "INSERT INTO help_texts(module, number, title, body) VALUES(?, ?, ?, ?)", h[0],
                  h[1], h[2], h[3]);
    tx.commit();
}

} // namespace ktr::store
