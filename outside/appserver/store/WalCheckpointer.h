#pragma once

#include "ktrstore_global.h"

#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <thread>

namespace ktr::store {

// Copies the write-ahead log of a database back into the database file from a thread of its
// own, over a connection of its own, so that the cost of a checkpoint (and the file syncs it
// makes) is not paid by whichever transaction happens to fill the log. Passive checkpoints
// never block readers or writers. The connection that writes should then raise or switch off
// its own automatic checkpoints. Stops and joins its thread when destroyed.
class KTRSTORE_EXPORT WalCheckpointer {
public:
    explicit WalCheckpointer(std::filesystem::path file,
                             std::chrono::milliseconds interval = std::chrono::milliseconds(200));
    WalCheckpointer(const WalCheckpointer &) = delete;
    WalCheckpointer &operator=(const WalCheckpointer &) = delete;
    ~WalCheckpointer();

    // Checkpoints done so far (for tests and logs).
    int checkpoints() const;

private:
    void run();

    std::filesystem::path m_file;
    std::chrono::milliseconds m_interval;
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_stop = false;
    int m_checkpoints = 0;
    std::thread m_thread; // last: started when everything it uses exists
};

} // namespace ktr::store
