// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "runtime/ColorValue.h"

namespace diruvari::dom {

inline std::string cssColor(ColorValue c) {
    return "rgb(" + std::to_string(redOf(c)) + ',' + std::to_string(greenOf(c)) + ',' +
           std::to_string(blueOf(c)) + ')';
}

// Figures as a JSON object, each under its name, for the page's script.
class Figures {
  public:
    Figures& add(const char* name, int value) { return raw(name, std::to_string(value)); }
    Figures& raw(const char* name, const std::string& json) {
        json_ += (json_.empty() ? "{\"" : ",\"") + std::string(name) + "\":" + json;
        return *this;
    }
    std::string json() const { return json_ + '}'; }

  private:
    std::string json_;
};

}  // namespace diruvari::dom
