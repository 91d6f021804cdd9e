// SPDX-License-Identifier: MIT
// Response of the real window, offscreen: the time from a click to the
// repaint being done, for the four kinds of click, and the memory after many
// rebuilds. Message boxes are answered as soon as the event loop runs: the
// time a box stands open belongs to the player, not to the game.
#include <unistd.h>
#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QTest>
#include <cstdlib>
#include <fstream>
#include <functional>

#include "FirstPaint.h"
#include "Report.h"
#include "runtime/host/Host.h"
#include "window/Palette.h"
#include "window/qt/CardButton.h"
#include "window/qt/FormSurface.h"
#include "window/qt/MainWindow.h"

namespace diruvari::bench {
namespace {

// The real window, with every box answered from the event loop as soon as
// it opens.
class InstantBoxes final : public View {
  public:
    explicit InstantBoxes(MainWindow& window) : window_(window) {}

    void cardChanged(int k, const CardControl& card, unsigned changes) override {
        window_.cardChanged(k, card, changes);
    }
    void frameChanged(const FrameControl& frame) override { window_.frameChanged(frame); }
    void captionChanged(int i, const LabelControl& label) override {
        window_.captionChanged(i, label);
    }
    void showWindow() override { window_.showWindow(); }
    void showBox(const std::string& /*prompt*/) override {
        QMetaObject::invokeMethod(
            &window_, [this] { host->boxAnswered(); }, Qt::QueuedConnection);
    }
    void announce(const std::string& news) override { window_.announce(news); }
    void focusCard(int k) override { window_.focusCard(k); }
    int focusedCard() const override { return window_.focusedCard(); }
    void closeAndQuit() override { window_.closeAndQuit(); }

    Host* host = nullptr;

  private:
    MainWindow& window_;
};

constexpr double frameMs = 1000.0 / 60.0;

double residentMiB() {
    long pages = 0;
    long resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return static_cast<double>(resident * sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

// Counts the paint events of the client area, so that a timing is known to
// include the repaint it claims to.
class PaintCounter final : public QObject {
  public:
    int paints = 0;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return QObject::eventFilter(watched, event);
    }
};

class Bench {
  public:
    Bench() {
        window_.attach(&host_);
        boxes_.host = &host_;
        window_.surface()->installEventFilter(&paints_);
        host_.start();
        QCoreApplication::processEvents();
    }

    // Times `click` from the input to the end of the repaint it caused;
    // `prepare` sets the board up beforehand, untimed.
    void measure(const std::string& what, const std::function<void()>& prepare,
                 const std::function<void()>& click) {
        std::vector<double> ms;
        for (int i = 0; i < 300; ++i) {
            prepare();
            QCoreApplication::processEvents();
            const int paintsBefore = paints_.paints;
            const std::uint64_t start = monotonicNs();
            click();
            do {
                QCoreApplication::processEvents();
            } while (host_.boxStanding());
            ms.push_back(static_cast<double>(monotonicNs() - start) / 1e6);
            if (paints_.paints == paintsBefore) {
                std::fprintf(stderr, "%s: the click was not repainted\n", what.c_str());
                std::exit(1);
            }
        }
        const double middle = median(ms);
        const double worst = *std::max_element(ms.begin(), ms.end());
        row("response: " + what + ", median",
            format("%.3f ms", middle) + format(" (%.3f frame)", middle / frameMs), "< 2 ms",
            middle < 2.0);
        row("response: " + what + ", worst",
            format("%.3f ms", worst) + format(" (%.3f frame)", worst / frameMs), "", true);
    }

    void run() {
        const auto pairOf5And6 = [this] {
            form_.lvl = 1;
            form_.cardsleft = 10;
            controls_.Frame().setVisible(false);
            controls_.Card(5).setBackColor(palette[0]);
            controls_.Card(6).setBackColor(palette[0]);
            controls_.Card(7).setBackColor(palette[0]);
            click(5);
        };
        measure(
            "selection", [this] { controls_.Frame().setVisible(false); }, [this] { click(9); });
        measure("pair", pairOf5And6, [this] { click(6); });
        measure(
            "pair that wins a level",
            [&] {
                pairOf5And6();
                form_.cardsleft = 1;
            },
            [this] { click(6); });
        measure(
            "Reset", [] {},
            [this] {
                QMenuBar* bar = window_.menuBar();
                QTest::mouseClick(bar, Qt::LeftButton, {},
                                  bar->actionGeometry(window_.resetAction()).center());
            });
        growth();
    }

    void growth() {
        const auto rebuilds = [this](int n) {
            for (int i = 0; i < n; ++i) {
                window_.resetAction()->trigger();
                if (i % 100 == 0) {
                    QCoreApplication::processEvents();
                }
            }
            QCoreApplication::processEvents();
        };
        rebuilds(10);
        const double after10 = residentMiB();
        rebuilds(10000 - 10);
        const double after10000 = residentMiB();
        row("memory: resident after 10 rebuilds", format("%.2f MiB", after10), "", true);
        row("memory: resident after 10,000 rebuilds", format("%.2f MiB", after10000), "+ < 1 MiB",
            after10000 - after10 < 1.0);
    }

  private:
    void click(int k) { QTest::mouseClick(window_.cardButton(k), Qt::LeftButton); }

    PaintCounter paints_;
    MainWindow window_;
    InstantBoxes boxes_{window_};
    Host host_{boxes_};
    Form1& form_ = host_.form();
    Controls& controls_ = host_.controls();
};

}  // namespace
}  // namespace diruvari::bench

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    diruvari::bench::Bench bench;
    bench.run();
    return 0;
}
