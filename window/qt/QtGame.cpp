#include "window/qt/QtGame.h"

#include <utility>

namespace diruvari {

QtGame::QtGame(Generator generator)
    : runtime_(window_, window_, std::move(generator)), form_(window_, runtime_) {
    window_.setForm(&form_);
}

QtGame::~QtGame() {
    window_.setForm(nullptr);
}

void QtGame::start() {
    window_.centreOnScreen();
    window_.showForm();
}

}  // namespace diruvari
