#include "TableQueries.h"

#include <Object.h>

#include <array>

namespace ktr::workcenter {

namespace {

const std::vector<TableQuery> &tableQueries()
{
    static const std::vector<TableQuery> queries = {
        {"ADMMB", "01", {"程序资料", "程式資料", "Programs"}, 1,
         "SELECT name, module, kind, version, want_log, server_class, public_edition, english_name"
         " FROM programs WHERE code = ?1",
         "SELECT code, name, module, kind, public_edition FROM programs ORDER BY code",
         {{"程序代号", "程式代號", "Program"}, {"程序名称", "程式名稱", "Name"},
          {"模块", "模組", "Module"}, {"类型", "類型", "Kind"}, {"普及版", "普及版", "Public"}},
         -1, 6, 4},
        {"ADMMB", "11", {"程序资料", "程式資料", "Programs"}, 1,
         "SELECT code, name, module, no_direct_query, public_edition FROM programs WHERE code = ?1",
         nullptr, {}, -1, 4, -1},
        {"CMSMT", "01", {"程序页脚签核", "程式頁腳簽核", "Program footers and sign-offs"}, 1,
         "SELECT note_code, note_open, note_each_page, note1, note2, note3,"
         " sign_code, sign_open, sign_each_page, sign1, sign2, sign3"
         " FROM program_footers WHERE program = ?1",
         nullptr, {}},
        {"CMSMS", "01", {"页脚签核信息查询", "頁腳簽核資訊查詢", "Footers and sign-offs"}, 2,
         "SELECT code, line1, line2, line3, description FROM footers WHERE kind = ?1 AND code = ?2",
         "SELECT code, description, line1, line2, line3 FROM footers WHERE kind = ?1 ORDER BY code",
         {{"编号", "編號", "Code"}, {"说明", "說明", "Description"}, {"第一行", "第一行", "Line 1"},
          {"第二行", "第二行", "Line 2"}, {"第三行", "第三行", "Line 3"}}},
        {"CMSMA", "02", {"网页报表站点", "網頁報表站台", "Web report site"}, 1,
         "SELECT SiteUrl, SiteId FROM WebReportConfig WHERE ?1 = '' OR SiteId = ?1 ORDER BY SiteId",
         "SELECT SiteId, SiteUrl FROM WebReportConfig ORDER BY SiteId",
         {{"站点", "站台", "Site"}, {"网址", "網址", "Address"}}},
        {"GENES", "01", {"条件方案", "條件方案", "Condition schemes"}, 3,
         "SELECT name, creator, program, keys, vals, create_date FROM schemes"
         " WHERE name = ?1 AND creator = ?2 AND program = ?3",
         "SELECT name, creator, program, create_date FROM schemes"
         " WHERE (?1 = '' OR creator = ?1) AND (?2 = '' OR program = ?2) ORDER BY name",
         {{"方案名称", "方案名稱", "Scheme"}, {"创建人", "建立人", "Creator"},
          {"程序", "程式", "Program"}, {"创建日期", "建立日期", "Created"}}},
        {"TAXMA", "01", {"公司信息查询", "公司資訊查詢", "Companies"}, 1,
         "SELECT code, short_name, name, title FROM companies WHERE code = ?1",
         "SELECT code, short_name, name, title FROM companies ORDER BY code",
         {{"公司编号", "公司編號", "Company"}, {"简称", "簡稱", "Short name"},
          {"公司名称", "公司名稱", "Name"}, {"抬头", "抬頭", "Title"}},
         0},
        {"CMSME", "01", {"部门信息查询", "部門資訊查詢", "Departments"}, 1,
         "SELECT d.code, d.name, d.company, c.short_name FROM departments d"
         " JOIN companies c ON c.code = d.company WHERE d.code = ?1 ORDER BY d.company",
         "SELECT d.code, d.name, d.company, c.short_name FROM departments d"
         " JOIN companies c ON c.code = d.company WHERE ?1 = '' OR d.company = ?1"
         " ORDER BY d.company, d.code",
         {{"部门编号", "部門編號", "Department"}, {"部门名称", "部門名稱", "Name"},
          {"公司编号", "公司編號", "Company"}, {"公司简称", "公司簡稱", "Company name"}},
         2},
        {"CMSMV", "01", {"员工信息查询", "員工資訊查詢", "Employees"}, 1,
         "SELECT e.code, e.name, e.department, e.company, d.name, e.hire_date, e.leave_date"
         " FROM employees e LEFT JOIN departments d ON d.company = e.company AND d.code = e.department"
         " WHERE e.code = ?1 ORDER BY e.company",
         "SELECT e.code, e.name, e.department, e.company, d.name, e.hire_date, e.leave_date"
         " FROM employees e LEFT JOIN departments d ON d.company = e.company AND d.code = e.department"
         " WHERE ?1 = '' OR e.company = ?1 ORDER BY e.company, e.code",
         {{"员工编号", "員工編號", "Employee"}, {"姓名", "姓名", "Name"},
          {"部门", "部門", "Department"}, {"公司", "公司", "Company"},
          {"部门名称", "部門名稱", "Department name"}, {"到职日期", "到職日期", "Hired"},
          {"离职日期", "離職日期", "Left"}},
         3},
        {"PALNC", "01", {"福利金基数信息查询", "福利金基數資訊查詢", "Welfare-fund base types"}, 1,
         "SELECT code, name, category, remark FROM welfare_base_types WHERE code = ?1",
         "SELECT code, name, category, remark FROM welfare_base_types"
         " WHERE ?1 = '' OR category = ?1 ORDER BY code",
         {{"基数类型", "基數類型", "Base type"}, {"名称", "名稱", "Name"},
          {"类别", "類別", "Category"}, {"说明", "說明", "Remark"}}},
        {"KTRMA", "04", {"系统用户开窗", "系統用戶開窗", "System users"}, 1,
         "SELECT code, name, mobile, email, department FROM users WHERE code = ?1",
         "SELECT code, name, mobile, email, department FROM users"
         " WHERE ?1 = '' OR department = ?1 ORDER BY code",
         {{"用户编号", "用戶編號", "User"}, {"姓名", "姓名", "Name"},
          {"手机号码", "手機號碼", "Mobile"}, {"邮箱地址", "郵箱地址", "E-mail"},
          {"部门", "部門", "Department"}}},
    };
    return queries;
}

bool inScope(const Variant &row, const TableQuery &query, int publicColumn, const RowScope &scope)
{
    if (query.companyColumn >= 0 && scope.limit.limitsTable("TAXMA") &&
        !scope.limit.allows(row.at(query.companyColumn).toString()))
        return false;
    if (publicColumn >= 0 && scope.productId == RowScope::kPublicEdition &&
        row.at(publicColumn).toString() == "N")
        return false;
    return true;
}

std::vector<Variant> runRows(store::Database &db, const char *sql, const std::vector<std::string> &parameters,
                             const TableQuery &query, int publicColumn, const RowScope &scope,
                             bool firstOnly)
{
    std::vector<Variant> rows;
    auto q = db.query(sql);
    for (int i = 1; i <= q->parameterCount(); ++i)
        q->bind(i, std::size_t(i) <= parameters.size() ? std::string_view(parameters[std::size_t(i - 1)])
                                                       : std::string_view());
    while (q->step()) {
        std::vector<Variant> cells;
        for (int c = 0; c < q->columnCount(); ++c)
            cells.emplace_back(Variant::wideText(q->text(c)));
        Variant row = Variant::array(std::move(cells));
        if (!inScope(row, query, publicColumn, scope))
            continue;
        rows.push_back(std::move(row));
        if (firstOnly)
            break;
    }
    return rows;
}

} // namespace

const TableQuery *findTableQuery(std::string_view table, std::string_view key)
{
    for (const TableQuery &query : tableQueries())
        if (sameTextAscii(query.table, table) && sameTextAscii(query.key, key))
            return &query;
    return nullptr;
}

std::vector<Variant> checkRow(store::Database &db, const TableQuery &query,
                              const std::vector<std::string> &keyValues, const RowScope &scope)
{
    return runRows(db, query.checkSql, keyValues, query, query.checkPublicColumn, scope, true);
}

std::vector<Variant> listRows(store::Database &db, const TableQuery &query,
                              const std::vector<std::string> &parameters, const RowScope &scope)
{
    return runRows(db, query.listSql, parameters, query, query.listPublicColumn, scope, false);
}

std::vector<std::string> parameterTexts(const Variant &value)
{
    std::vector<std::string> texts;
    if (value.isArray()) {
        for (const Variant &e : value.elements())
            texts.push_back(e.isArray() || e.isEmptyOrNull() || e.type() == VarType::Object ? std::string()
                                                                                          : e.toString());
    } else if (!value.isEmptyOrNull() && value.type() != VarType::Object) {
        texts.push_back(value.toString());
    }
    return texts;
}

} // namespace ktr::workcenter
