#include "runtime/qt/QtRuntime.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <utility>

namespace diruvari {

QtRuntime::QtRuntime(QWidget& owner, FormWindow& window, Generator generator)
    : owner_(owner), window_(window), generator_(std::move(generator)) {}

void QtRuntime::messageBox(const std::string& prompt) {
    QMessageBox box(&owner_);
    box.setWindowTitle(QGuiApplication::applicationDisplayName());
    box.setIcon(QMessageBox::NoIcon);
    box.setText(QString::fromStdString(prompt));
    box.setTextFormat(Qt::PlainText);
    box.setStandardButtons(QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
    // The player closed the window while the box was open.
    if (window_.closed()) {
        end();
    }
}

void QtRuntime::rebuildWindow() {
    window_.unloadForm();
    window_.showForm();
}

void QtRuntime::end() {
    throw ProgramEnd{};
}

}  // namespace diruvari
