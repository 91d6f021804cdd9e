// SPDX-License-Identifier: MIT
#include "FirstPaint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace diruvari::bench {

std::uint64_t monotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::uint64_t>(now.tv_sec) * 1'000'000'000ULL +
           static_cast<std::uint64_t>(now.tv_nsec);
}

namespace {

class FirstPaintWatch final : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // Runs once the paint event, and so the paint, is done.
            QTimer::singleShot(0, this, [] {
                const char* launch = std::getenv(launchVariable);
                const std::uint64_t start = launch ? std::strtoull(launch, nullptr, 10) : 0;
                std::printf("%llu\n", static_cast<unsigned long long>(monotonicNs() - start));
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    bool seen_ = false;
};

}  // namespace

void quitAfterFirstPaint(QWidget& widget) {
    widget.installEventFilter(new FirstPaintWatch(&widget));
}

}  // namespace diruvari::bench
