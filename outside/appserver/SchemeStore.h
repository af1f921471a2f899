#pragma once

#include "ktrappserver_global.h"

#include <SqliteDatabase.h>
#include <Variant.h>

#include <memory>
#include <string>

namespace ktr::appserver {

// A condition scheme: the saved values of a job form's conditions, kept per user and program.
struct SchemeRecord {
    std::string name, creator, program, keys, values, createDate;
};

// The condition schemes. Each change answers an empty text when done, else the reason.
class KTRAPPSERVER_EXPORT SchemeStore {
public:
    // Longest scheme name, counted as the forms count it in the database code page: one
    // byte per ASCII character, two per other character.
    static constexpr int kMaxNameBytes = 20;

    explicit SchemeStore(std::shared_ptr<store::Database> db);

    std::string insert(const SchemeRecord &scheme, bool replace);
    std::string remove(std::string_view name, std::string_view creator, std::string_view program);
    std::string rename(std::string_view oldName, std::string_view newName, std::string_view creator,
                       std::string_view program);
    bool exists(std::string_view name, std::string_view creator, std::string_view program);

    // The rows of provider "pvdConSave" for one user and program, sorted by name:
    // [[field names], [[NCONDITION, CREATOR, PROGRAMME, SCONDITION, VCONDITION, CREATE_DATE], ...]].
    Variant providerRows(std::string_view creator, std::string_view program);
    // The same shape without rows.
    static Variant emptyProviderRows();

    // The name rule of InsertConTable and ChangeConName; empty when the name is acceptable.
    static std::string checkName(std::string_view name);

private:
    std::shared_ptr<store::Database> m_db;
};

} // namespace ktr::appserver
