// SPDX-License-Identifier: MIT
#include "window/qt/CaptionLabel.h"

#include <QFontDatabase>

#include "window/Design.h"
#include "window/LabelFace.h"
#include "window/qt/QtConvert.h"

namespace diruvari {

namespace {

// Decided once: the bundled face is loaded once, and a failure said once.
const QStringList& labelFamilies() {
    static const QStringList families = [] {
        const QString bundled = loadLabelFace(
            QStringLiteral(":/fonts/%1.ttf").arg(QString::fromUtf8(bundledLabelFamily)));
        const QString designed = QString::fromUtf8(labelFamily);
        QStringList faces;
        if (labelFace(QFontDatabase::hasFamily(designed), !bundled.isEmpty()) == labelFamily) {
            faces << designed;
        }
        if (!bundled.isEmpty()) {
            faces << bundled;
        }
        return faces;
    }();
    return families;
}

}  // namespace

QString loadLabelFace(const QString& file) {
    const int id = QFontDatabase::addApplicationFont(file);
    return QFontDatabase::applicationFontFamilies(id).value(0);
}

QFont labelFont() {
    QFont font;
    font.setFamilies(labelFamilies());
    font.setPixelSize(Drawing().labelFontPixels());
    font.setWeight(static_cast<QFont::Weight>(labelFontWeight));
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

CaptionLabel::CaptionLabel(int i, QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, toQColor(labelTextColor));
    setPalette(colours);
    setFont(labelFont());
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setGeometry(toQRect(Drawing().label(i)));
}

}  // namespace diruvari
