// SPDX-License-Identifier: MIT
#include "window/qt/CaptionLabel.h"

#include <QFontDatabase>

#include "window/Design.h"
#include "window/qt/QtColor.h"
#include "window/qt/TwipScale.h"

namespace diruvari {

namespace {

QString bundledFamily() {
    static const QString family =
        loadLabelFace(QStringLiteral(":/fonts/%1.ttf").arg(QString::fromUtf8(bundledLabelFamily)));
    return family;
}

}  // namespace

QString loadLabelFace(const QString& file) {
    const int id = QFontDatabase::addApplicationFont(file);
    if (const QString family = QFontDatabase::applicationFontFamilies(id).value(0);
        !family.isEmpty()) {
        return family;
    }
    // Said once, on the terminal and in the journal: the labels are in a
    // face other than the game's.
    qCritical("diruvari: the labels' face %s did not load; they are shown in the default face",
              qPrintable(file));
    return {};
}

QFont labelFont() {
    const QString preferred = QString::fromUtf8(labelFamily);
    QStringList families;
    if (QFontDatabase::hasFamily(preferred)) {
        families << preferred;
    }
    if (const QString bundled = bundledFamily(); !bundled.isEmpty()) {
        families << bundled;
    }
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
