#pragma once

#include <QStringList>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace vistrel::test {

// Makes a named pipe at path (none may be there yet); false when the system refuses.
bool makeFifo(const QString& path);

// A reader blocked on a named pipe would hang its test for good. When the test is not done
// within the time, the watchdog opens the writing end of each pipe again and again, so that a
// blocked reader returns (with nothing read) and the test fails on fired() instead.
class FifoWatchdog {
  public:
    explicit FifoWatchdog(QStringList fifos,
                          std::chrono::milliseconds patience = std::chrono::seconds(5));
    ~FifoWatchdog();
    FifoWatchdog(const FifoWatchdog&) = delete;
    FifoWatchdog& operator=(const FifoWatchdog&) = delete;

    // True when some reader was found blocked on a pipe.
    bool fired() const { return fired_; }

  private:
    void watch(std::chrono::milliseconds patience);
    void relieve();

    QStringList fifos_;
    std::mutex mutex_;
    std::condition_variable doneChanged_;
    bool done_ = false;
    std::atomic<bool> fired_ = false;
    std::thread thread_;
};

} // namespace vistrel::test
