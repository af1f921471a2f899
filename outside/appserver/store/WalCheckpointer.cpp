#include "WalCheckpointer.h"

#include "SqliteDatabase.h"
#include "StoreLog.h"

namespace ktr::store {

WalCheckpointer::WalCheckpointer(std::filesystem::path file, std::chrono::milliseconds interval)
    : m_file(std::move(file)), m_interval(interval), m_thread([this] { run(); })
{
}

WalCheckpointer::~WalCheckpointer()
{
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_all();
    m_thread.join();
}

int WalCheckpointer::checkpoints() const
{
    std::lock_guard lock(m_mutex);
    return m_checkpoints;
}

void WalCheckpointer::run()
{
    try {
        Database db(m_file, Database::OpenMode::ReadWrite);
        std::unique_lock lock(m_mutex);
        while (!m_wake.wait_for(lock, m_interval, [this] { return m_stop; })) {
            lock.unlock();
            db.exec("PRAGMA wal_checkpoint(PASSIVE)");
            lock.lock();
            ++m_checkpoints;
        }
    } catch (const std::exception &e) {
        // The writer's own fallback checkpoints keep the log bounded.
        qCWarning(lcStore, "Background checkpoints of %s stopped: %s", m_file.c_str(), e.what());
    }
}

} // namespace ktr::store
