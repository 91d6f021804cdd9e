#include <gtest/gtest.h>

#include <unistd.h>
#include <QAction>
#include <QCoreApplication>
#include <fstream>

#include "GameWindowTest.h"

namespace diruvari::test {
namespace {

// Resident memory of this process in KiB.
long residentKiB() {
    long pages = 0;
    long resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

using Growth = GameWindowTest;

TEST_F(Growth, TenThousandRebuildsGrowNeitherWidgetsNorMemory) {
    const auto rebuild = [this](int times) {
        for (int i = 0; i < times; ++i) {
            window().resetAction()->trigger();
            if (i % 100 == 0) {
                // Let the event loop run now and then, as it does between clicks.
                QCoreApplication::processEvents();
            }
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    rebuild(1000);  // warm up: caches, fonts, allocator pools
    const auto widgets = window().findChildren<QObject*>().size();
    const long before = residentKiB();
    rebuild(10000);
    const long after = residentKiB();
    std::cout << "live objects " << widgets << " -> " << window().findChildren<QObject*>().size()
              << ", resident " << before << " KiB -> " << after << " KiB\n";
    EXPECT_EQ(window().findChildren<QObject*>().size(), widgets);
#if defined(__SANITIZE_ADDRESS__)
    // The sanitizer keeps freed memory in quarantine: only the count is meaningful.
    std::cout << "resident memory not judged under AddressSanitizer\n";
#else
    EXPECT_LT(after - before, 1024) << "more than 1 MiB of growth over 10,000 rebuilds";
#endif
}

}  // namespace
}  // namespace diruvari::test
