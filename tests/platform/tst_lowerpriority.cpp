// The lower priority for background work: only the thread that asks is lowered, and only once.
#include "platform/process/LowerPriority.h"

#include <QtTest>

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

using namespace vistrel;

namespace {
int thisThreadsNice() {
    return getpriority(PRIO_PROCESS, static_cast<id_t>(syscall(SYS_gettid)));
}
} // namespace

class TstLowerPriority : public QObject {
    Q_OBJECT
  private slots:
    void onlyTheWorkingThreadIsLoweredAndOnlyOnce() {
        const int before = thisThreadsNice();
        int during = before;
        runAtLowerPriority([&during] {
            lowerThisThreadsPriority(); // again: no further down
            during = thisThreadsNice();
        });
        QCOMPARE(during, std::min(before + 10, 19));
        QCOMPARE(thisThreadsNice(), before);
    }
};

QTEST_GUILESS_MAIN(TstLowerPriority)
#include "tst_lowerpriority.moc"
