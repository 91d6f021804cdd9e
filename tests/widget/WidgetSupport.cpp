#include "WidgetSupport.h"

#include <QWidget>

namespace diruvari::test {

QColor qcolor(ColorValue c) {
    return {redOf(c), greenOf(c), blueOf(c)};
}

QImage grabImage(QWidget& widget) {
    QImage image = widget.grab().toImage();
    image.setDevicePixelRatio(1);
    return image.scaled(widget.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation)
        .convertToFormat(QImage::Format_RGB32);
}

QPoint cardCentre(int k) {
    return {3 + 33 * (k % 4) + 15, 3 + 33 * (k / 4) + 15};
}

}  // namespace diruvari::test
