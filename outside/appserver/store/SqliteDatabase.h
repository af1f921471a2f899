#pragma once

#include "ktrstore_global.h"

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace ktr::store {

// A failed SQLite operation; the message carries SQLite's own text.
class KTRSTORE_EXPORT StoreError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One prepared statement. Columns and parameters count from 0 and 1 as in SQLite.
class KTRSTORE_EXPORT Statement {
public:
    Statement(sqlite3 *db, std::string_view sql);
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;
    ~Statement();

    Statement &bind(int index, std::string_view text);
    Statement &bind(int index, std::int64_t value);
    Statement &bind(int index, int value) { return bind(index, static_cast<std::int64_t>(value)); }
    Statement &bind(int index, double value);
    Statement &bindBlob(int index, std::span<const std::uint8_t> bytes);
    Statement &bindNull(int index);

    // Advances to the next row; false when the statement is done.
    bool step();
    // Runs a statement that returns no rows.
    void run();
    // Makes the statement ready to run again and forgets its parameters.
    void reset() noexcept;

    int parameterCount() const;
    int columnCount() const;
    std::string columnName(int column) const;
    bool isNull(int column) const;
    std::string text(int column) const;
    std::int64_t integer(int column) const;
    double real(int column) const;
    std::vector<std::uint8_t> blob(int column) const;

private:
    [[noreturn]] void fail(int rc) const;
    sqlite3 *m_db = nullptr;
    sqlite3_stmt *m_stmt = nullptr;
};

class Database;

// A use of a cached statement: resets it when the use ends, so that no read lock outlives it.
class KTRSTORE_EXPORT Query {
public:
    explicit Query(Statement &statement) : m_statement(&statement) {}
    Query(const Query &) = delete;
    Query &operator=(const Query &) = delete;
    ~Query() { m_statement->reset(); }
    Statement *operator->() const { return m_statement; }
    Statement &operator*() const { return *m_statement; }

private:
    Statement *m_statement;
};

// A write transaction, begun at once (BEGIN IMMEDIATE) so that two writers never deadlock;
// rolled back when it ends without commit().
class KTRSTORE_EXPORT Transaction {
public:
    explicit Transaction(Database &db);
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;
    ~Transaction();
    void commit();

private:
    Database &m_db;
    bool m_open = true;
};

// An SQLite connection in WAL mode with synchronous=NORMAL: a committed transaction survives
// a killed process. Statements given to query() are prepared once and kept. Not for use by
// two threads at once.
class KTRSTORE_EXPORT Database {
public:
    enum class OpenMode { ReadWriteCreate, ReadWrite, ReadOnly };

    explicit Database(const std::filesystem::path &file, OpenMode mode = OpenMode::ReadWriteCreate);
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;
    ~Database();

    const std::filesystem::path &file() const { return m_file; }
    void exec(std::string_view sql);
    // The cached statement for this text, ready to bind.
    Query query(std::string_view sql);
    std::int64_t changes() const;
    sqlite3 *handle() const { return m_db.get(); }

private:
    struct Closer {
        void operator()(sqlite3 *db) const noexcept;
    };
    std::filesystem::path m_file;
    // Statements are declared after the handle so that they are finalized before it closes.
    std::unique_ptr<sqlite3, Closer> m_db;
    std::map<std::string, std::unique_ptr<Statement>, std::less<>> m_statements;
};

} // namespace ktr::store
