#pragma once

#include "BaseLimit.h"
#include "WorkCenterContext.h"

#include <SqliteDatabase.h>
#include <Variant.h>

#include <string>
#include <string_view>
#include <vector>

namespace ktr::workcenter {

struct Caption {
    const char *simplified;
    const char *traditional;
    const char *english;
};

// One table key and query number the forms use ("TAXMA" "01", ...): the statement that finds
// one record by key values (CheckValue), the statement that lists records (QueryData and the
// lookup window, with the caller's extra values as parameters), and the captions of the listed
// columns. Missing parameters are bound as empty texts.
struct TableQuery {
    const char *table;
    const char *key;
    Caption title;
    int keyCount;          // key values CheckValue needs
    const char *checkSql;  // nullptr: no CheckValue
    const char *listSql;   // nullptr: no list
    std::vector<Caption> columns; // of listed rows
    int companyColumn = -1;       // column of a company code in checked and listed rows
    int checkPublicColumn = -1;   // column of the public-edition flag in a checked row
    int listPublicColumn = -1;    // and in a listed row
};

// The query for a table key and number (compared without case); nullptr when unknown.
const TableQuery *findTableQuery(std::string_view table, std::string_view key);

// Which rows a caller may see: those of the companies of its BaseLimited, and under the
// public edition (ProductID 5) only programs of that edition.
struct RowScope {
    BaseLimit limit;
    int productId = 0;
    static constexpr int kPublicEdition = 5;
};

// Runs the check statement with the key values; the first row in scope, or nothing.
std::vector<Variant> checkRow(store::Database &db, const TableQuery &query,
                              const std::vector<std::string> &keyValues, const RowScope &scope);
// Runs the list statement; every row in scope, each a one-dimensional array of texts.
std::vector<Variant> listRows(store::Database &db, const TableQuery &query,
                              const std::vector<std::string> &parameters, const RowScope &scope);

// Values of a key-value or extra argument: the elements of an array, one scalar, or none.
std::vector<std::string> parameterTexts(const Variant &value);

} // namespace ktr::workcenter
