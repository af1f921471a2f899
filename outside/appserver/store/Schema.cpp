#include "Schema.h"

#include "MessageCatalogue.h"

#include <dlfcn.h>

#include <cstdlib>

namespace ktr::store {

namespace {

constexpr const char *kTables[] = {
    "CREATE TABLE IF NOT EXISTS settings(name TEXT PRIMARY KEY, value TEXT NOT NULL)",
    "CREATE TABLE IF NOT EXISTS messages(type TEXT NOT NULL, number TEXT NOT NULL,"
    " language TEXT NOT NULL, text TEXT NOT NULL, PRIMARY KEY(type, number, language))",
    "CREATE TABLE IF NOT EXISTS companies(code TEXT PRIMARY KEY, name TEXT NOT NULL,"
    " short_name TEXT NOT NULL DEFAULT '', title TEXT NOT NULL DEFAULT '',"
    " tax_id TEXT NOT NULL DEFAULT '', address TEXT NOT NULL DEFAULT '')",
    "CREATE TABLE IF NOT EXISTS departments(company TEXT NOT NULL, code TEXT NOT NULL,"
    " name TEXT NOT NULL, manager TEXT NOT NULL DEFAULT '', PRIMARY KEY(company, code))",
    "CREATE TABLE IF NOT EXISTS employees(company TEXT NOT NULL, code TEXT NOT NULL,"
    " name TEXT NOT NULL, department TEXT NOT NULL DEFAULT '', hire_date TEXT NOT NULL DEFAULT '',"
    " leave_date TEXT NOT NULL DEFAULT '', PRIMARY KEY(company, code))",
    "CREATE TABLE IF NOT EXISTS welfare_base_types(code TEXT PRIMARY KEY, name TEXT NOT NULL,"
    " category TEXT NOT NULL DEFAULT '', remark TEXT NOT NULL DEFAULT '')",
    "CREATE TABLE IF NOT EXISTS users(code TEXT PRIMARY KEY, name TEXT NOT NULL,"
    " mobile TEXT NOT NULL DEFAULT '', email TEXT NOT NULL DEFAULT '',"
    " department TEXT NOT NULL DEFAULT '')",
    "CREATE TABLE IF NOT EXISTS programs(code TEXT PRIMARY KEY, name TEXT NOT NULL,"
    " english_name TEXT NOT NULL DEFAULT '', module TEXT NOT NULL DEFAULT '',"
    " kind TEXT NOT NULL DEFAULT 'R', version TEXT NOT NULL DEFAULT '',"
    " want_log TEXT NOT NULL DEFAULT 'N', no_direct_query TEXT NOT NULL DEFAULT 'N',"
    " public_edition TEXT NOT NULL DEFAULT 'Y', server_class TEXT NOT NULL DEFAULT '')",
    // rights: one letter Y/N per right; limit_items: the codes of limit_table the user may see,
    // separated by ",", none meaning no limit.
    "CREATE TABLE IF NOT EXISTS program_rights(database_code TEXT NOT NULL,"
    " user_code TEXT NOT NULL, program TEXT NOT NULL, rights TEXT NOT NULL,"
    " limit_table TEXT NOT NULL DEFAULT '', limit_items TEXT NOT NULL DEFAULT '',"
    " PRIMARY KEY(database_code, user_code, program))",
    // kind '1' footers, '2' sign-offs
    "CREATE TABLE IF NOT EXISTS footers(kind TEXT NOT NULL, code TEXT NOT NULL,"
    " description TEXT NOT NULL DEFAULT '', line1 TEXT NOT NULL DEFAULT '',"
    " line2 TEXT NOT NULL DEFAULT '', line3 TEXT NOT NULL DEFAULT '', PRIMARY KEY(kind, code))",
    "CREATE TABLE IF NOT EXISTS program_footers(program TEXT PRIMARY KEY,"
    " note_code TEXT NOT NULL DEFAULT '', note_open TEXT NOT NULL DEFAULT 'Y',"
    " note_each_page TEXT NOT NULL DEFAULT 'N', note1 TEXT NOT NULL DEFAULT '',"
    " note2 TEXT NOT NULL DEFAULT '', note3 TEXT NOT NULL DEFAULT '',"
    " sign_code TEXT NOT NULL DEFAULT '', sign_open TEXT NOT NULL DEFAULT 'Y',"
    " sign_each_page TEXT NOT NULL DEFAULT 'N', sign1 TEXT NOT NULL DEFAULT '',"
    " sign2 TEXT NOT NULL DEFAULT '', sign3 TEXT NOT NULL DEFAULT '')",
    "CREATE TABLE IF NOT EXISTS WebReportConfig(SiteId TEXT PRIMARY KEY, SiteUrl TEXT NOT NULL)",
    "CREATE TABLE IF NOT EXISTS KTRINTMA(MA001 TEXT PRIMARY KEY, MA002 TEXT NOT NULL DEFAULT '',"
    " MA003 TEXT NOT NULL DEFAULT '')",
    // user_code '' holds the phrases every user sees
    "CREATE TABLE IF NOT EXISTS phrases(user_code TEXT NOT NULL, seq INTEGER NOT NULL,"
    " text TEXT NOT NULL, PRIMARY KEY(user_code, seq))",
    // company '*' holds the values of every company that has none of its own
    "CREATE TABLE IF NOT EXISTS sys_info(company TEXT NOT NULL, name TEXT NOT NULL,"
    " value TEXT NOT NULL, PRIMARY KEY(company, name))",
    "CREATE TABLE IF NOT EXISTS help_texts(module TEXT NOT NULL, number TEXT NOT NULL,"
    " title TEXT NOT NULL, body TEXT NOT NULL, PRIMARY KEY(module, number))",
    "CREATE TABLE IF NOT EXISTS counters(name TEXT PRIMARY KEY, value INTEGER NOT NULL)",
    "CREATE TABLE IF NOT EXISTS schemes(name TEXT NOT NULL, creator TEXT NOT NULL,"
    " program TEXT NOT NULL, keys TEXT NOT NULL, vals TEXT NOT NULL, create_date TEXT NOT NULL,"
    " PRIMARY KEY(name, creator, program))",
    // id: the job number as an integer, the day YYYYMMDD times 1000000 plus the day's serial, so
    // that a job is one row of one b-tree and the next serial one seek; job_no shows it as the
    // clients see it. received_call: the call that delivered the job, exactly as it arrived (a
    // CBOR call message, whose first argument is the job parameter array).
    "CREATE TABLE IF NOT EXISTS jobs(id INTEGER PRIMARY KEY,"
    " job_no TEXT GENERATED ALWAYS AS (printf('%08d%04d', id / 1000000, id % 1000000)) VIRTUAL,"
    " program TEXT NOT NULL, company TEXT NOT NULL, user_code TEXT NOT NULL,"
    " database_code TEXT NOT NULL, job_kind TEXT NOT NULL, run_mode INTEGER NOT NULL, start_at REAL,"
    " computer TEXT NOT NULL DEFAULT '', submitted_at TEXT NOT NULL, state TEXT NOT NULL,"
    " received_call BLOB NOT NULL)",
    "CREATE TABLE IF NOT EXISTS job_status(id INTEGER PRIMARY KEY, job_id INTEGER NOT NULL"
    " REFERENCES jobs(id), at TEXT NOT NULL, state TEXT NOT NULL, message TEXT NOT NULL)",
    "CREATE INDEX IF NOT EXISTS job_status_by_job ON job_status(job_id)",
};

constexpr const char *kDefaultSettings[][2] = {
    {"ProductID", "1"},
    {"VersionType", "1"},
    {"ServerPackagePath", ""},
};

int userVersion(Database &db)
{
    auto q = db.query("PRAGMA user_version");
    return q->step() ? static_cast<int>(q->integer(0)) : 0;
}

std::filesystem::path storeLibraryFolder()
{
    Dl_info info{};
    if (dladdr(reinterpret_cast<void *>(&storeLibraryFolder), &info) && info.dli_fname)
        return std::filesystem::path(info.dli_fname).parent_path();
    return std::filesystem::current_path();
}

} // namespace

void ensureSchema(Database &db)
{
    if (userVersion(db) >= kSchemaVersion)
        return;
    Transaction tx(db);
    if (userVersion(db) >= kSchemaVersion)
        return; // another process was faster
    for (const char *sql : kTables)
        db.exec(sql);
    {
        auto insert = db.query(
            "INSERT OR IGNORE INTO messages(type, number, language, text) VALUES(?, ?, ?, ?)");
        for (const CatalogueMessage &m : builtInMessages()) {
            const std::pair<const char *, const char *> texts[] = {
                {"CHS", m.simplified}, {"CHT", m.traditional}, {"ENG", m.english}};
            for (const auto &[language, text] : texts) {
                insert->bind(1, m.type).bind(2, m.number).bind(3, language).bind(4, text);
                insert->run();
                insert->reset();
            }
        }
    }
    {
        auto insert = db.query("INSERT OR IGNORE INTO settings(name, value) VALUES(?, ?)");
        for (const auto &setting : kDefaultSettings) {
            insert->bind(1, setting[0]).bind(2, setting[1]);
            insert->run();
            insert->reset();
        }
    }
    db.exec("PRAGMA user_version=" + std::to_string(kSchemaVersion));
    tx.commit();
}

std::shared_ptr<Database> openStore(const std::filesystem::path &file)
{
    if (file.has_parent_path())
        std::filesystem::create_directories(file.parent_path());
    auto db = std::make_shared<Database>(file);
    ensureSchema(*db);
    return db;
}

std::filesystem::path defaultDatabaseFile()
{
    if (const char *env = std::getenv("KTR_DATABASE"); env && *env)
        return env;
    return storeLibraryFolder() / "Data" / "ktr.db";
}

} // namespace ktr::store
