#include "window/qt/QtGame.h"

#include <utility>

namespace diruvari {

QtGame::QtGame(Generator generator)
    : form_(window_, runtime_), window_(form_), runtime_(window_, window_, std::move(generator)) {}

void QtGame::start() {
    window_.centreOnScreen();
    window_.showForm();
}

}  // namespace diruvari
