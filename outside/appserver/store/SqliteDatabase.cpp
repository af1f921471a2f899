#include "SqliteDatabase.h"

#include <sqlite3.h>

namespace ktr::store {

namespace {

[[noreturn]] void raise(sqlite3 *db, int rc, std::string_view what)
{
    std::string message(what);
    message += ": ";
    message += db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
    throw StoreError(message);
}

} // namespace

Statement::Statement(sqlite3 *db, std::string_view sql) : m_db(db)
{
    const int rc = sqlite3_prepare_v3(db, sql.data(), static_cast<int>(sql.size()),
                                      SQLITE_PREPARE_PERSISTENT, &m_stmt, nullptr);
    if (rc != SQLITE_OK)
        raise(db, rc, "Cannot prepare \"" + std::string(sql) + "\"");
}

Statement::~Statement()
{
    sqlite3_finalize(m_stmt);
}

void Statement::fail(int rc) const
{
    raise(m_db, rc, sqlite3_sql(m_stmt) ? sqlite3_sql(m_stmt) : "statement");
}

Statement &Statement::bind(int index, std::string_view text)
{
    // An empty view may carry no pointer; SQLite would bind that as NULL.
    if (const int rc = sqlite3_bind_text(m_stmt, index, text.data() ? text.data() : "",
                                         static_cast<int>(text.size()), SQLITE_TRANSIENT);
        rc != SQLITE_OK)
        fail(rc);
    return *this;
}

Statement &Statement::bind(int index, std::int64_t value)
{
    if (const int rc = sqlite3_bind_int64(m_stmt, index, value); rc != SQLITE_OK)
        fail(rc);
    return *this;
}

Statement &Statement::bind(int index, double value)
{
    if (const int rc = sqlite3_bind_double(m_stmt, index, value); rc != SQLITE_OK)
        fail(rc);
    return *this;
}

Statement &Statement::bindBlob(int index, std::span<const std::uint8_t> bytes)
{
    if (const int rc = sqlite3_bind_blob64(m_stmt, index, bytes.data(), bytes.size(),
                                           SQLITE_TRANSIENT);
        rc != SQLITE_OK)
        fail(rc);
    return *this;
}

Statement &Statement::bindNull(int index)
{
    if (const int rc = sqlite3_bind_null(m_stmt, index); rc != SQLITE_OK)
        fail(rc);
    return *this;
}

bool Statement::step()
{
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    fail(rc);
}

void Statement::run()
{
    while (step()) {
    }
}

void Statement::reset() noexcept
{
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
}

int Statement::parameterCount() const
{
    return sqlite3_bind_parameter_count(m_stmt);
}

int Statement::columnCount() const
{
    return sqlite3_column_count(m_stmt);
}

std::string Statement::columnName(int column) const
{
    const char *name = sqlite3_column_name(m_stmt, column);
    return name ? name : "";
}

bool Statement::isNull(int column) const
{
    return sqlite3_column_type(m_stmt, column) == SQLITE_NULL;
}

std::string Statement::text(int column) const
{
    const auto *p = reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, column));
    if (!p)
        return {};
    return std::string(p, static_cast<std::size_t>(sqlite3_column_bytes(m_stmt, column)));
}

std::int64_t Statement::integer(int column) const
{
    return sqlite3_column_int64(m_stmt, column);
}

double Statement::real(int column) const
{
    return sqlite3_column_double(m_stmt, column);
}

std::vector<std::uint8_t> Statement::blob(int column) const
{
    const auto *p = static_cast<const std::uint8_t *>(sqlite3_column_blob(m_stmt, column));
    const int n = sqlite3_column_bytes(m_stmt, column);
    if (!p || n <= 0)
        return {};
    return std::vector<std::uint8_t>(p, p + n);
}

Transaction::Transaction(Database &db) : m_db(db)
{
    m_db.query("BEGIN IMMEDIATE")->run();
}

Transaction::~Transaction()
{
    if (m_open)
        sqlite3_exec(m_db.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void Transaction::commit()
{
    m_db.query("COMMIT")->run();
    m_open = false;
}

void Database::Closer::operator()(sqlite3 *db) const noexcept
{
    sqlite3_close_v2(db);
}

Database::Database(const std::filesystem::path &file, OpenMode mode) : m_file(file)
{
    // Memory statistics cost a global mutex on every SQLite allocation and nothing here reads
    // them. This must come before SQLite's first use in the process; later it changes nothing.
    static const bool statisticsOff = sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0) == SQLITE_OK;
    (void)statisticsOff;
    // A connection is used by one thread at a time (each thread opens its own), so SQLite
    // need not lock it on every call.
    int flags = SQLITE_OPEN_NOMUTEX;
    switch (mode) {
    case OpenMode::ReadWriteCreate: flags |= SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE; break;
    case OpenMode::ReadWrite: flags |= SQLITE_OPEN_READWRITE; break;
    case OpenMode::ReadOnly: flags |= SQLITE_OPEN_READONLY; break;
    }
    sqlite3 *raw = nullptr;
    const int rc = sqlite3_open_v2(file.c_str(), &raw, flags, nullptr);
    m_db.reset(raw); // a failed open still hands out a handle that must be closed
    if (rc != SQLITE_OK)
        raise(raw, rc, "Cannot open the database " + file.string());
    sqlite3_extended_result_codes(raw, 1);
    // Another process (an in-process server of a client) may hold the write lock briefly.
    sqlite3_busy_timeout(raw, 10000);
    if (mode != OpenMode::ReadOnly) {
        exec("PRAGMA journal_mode=WAL");
        exec("PRAGMA synchronous=NORMAL");
    }
    exec("PRAGMA foreign_keys=ON");
}

Database::~Database() = default;

void Database::exec(std::string_view sql)
{
    const std::string text(sql);
    char *error = nullptr;
    const int rc = sqlite3_exec(m_db.get(), text.c_str(), nullptr, nullptr, &error);
    if (rc != SQLITE_OK) {
        std::string message = "Cannot run \"" + text + "\": " + (error ? error : sqlite3_errstr(rc));
        sqlite3_free(error);
        throw StoreError(message);
    }
}

Query Database::query(std::string_view sql)
{
    auto it = m_statements.find(sql);
    if (it == m_statements.end())
        it = m_statements.emplace(std::string(sql), std::make_unique<Statement>(m_db.get(), sql)).first;
    return Query(*it->second);
}

std::int64_t Database::changes() const
{
    return sqlite3_changes64(m_db.get());
}

} // namespace ktr::store
