#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>

#include "runtime/ColorValue.h"

class QWidget;

namespace diruvari::test {

QColor qcolor(ColorValue c);
// The widget as it paints, in logical pixels.
QImage grabImage(QWidget& widget);
// Centre of card k in the client area, in logical pixels.
QPoint cardCentre(int k);

}  // namespace diruvari::test
