#include "runtime/qt/QtRuntime.h"

#include <QGuiApplication>
#include <QMessageBox>

namespace diruvari {

void QtRuntime::showMessageBox(const std::string& prompt) {
    QMessageBox box(&owner_);
    box.setWindowTitle(QGuiApplication::applicationDisplayName());
    box.setIcon(QMessageBox::NoIcon);
    box.setText(QString::fromStdString(prompt));
    box.setTextFormat(Qt::PlainText);
    box.setStandardButtons(QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

}  // namespace diruvari
