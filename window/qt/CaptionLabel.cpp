// SPDX-License-Identifier: MIT
#include "window/qt/CaptionLabel.h"

#include <QFontDatabase>

#include "window/Design.h"
#include "window/qt/QtColor.h"
#include "window/qt/TwipScale.h"

namespace diruvari {

namespace {

QString bundledFamily() {
    static const QString family = [] {
        const int id = QFontDatabase::addApplicationFont(
            QStringLiteral(":/fonts/%1.ttf").arg(QString::fromUtf8(bundledLabelFamily)));
        return QFontDatabase::applicationFontFamilies(id).value(0);
    }();
    return family;
}

}  // namespace

QFont labelFont() {
    const QString preferred = QString::fromUtf8(labelFamily);
    QStringList families;
    if (QFontDatabase::hasFamily(preferred)) {
        families << preferred;
    }
    families << bundledFamily();
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(toPixels(labelFontHeight));
    font.setWeight(static_cast<QFont::Weight>(labelFontWeight));
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

CaptionLabel::CaptionLabel(QRect geometry, QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, toQColor(labelTextColor));
    setPalette(colours);
    setFont(labelFont());
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setGeometry(geometry);
}

void CaptionLabel::setCaption(const std::string& caption) {
    setText(QString::fromStdString(caption));
}

}  // namespace diruvari
