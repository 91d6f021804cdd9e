#include "window/qt/CaptionLabel.h"

#include <QFontDatabase>

#include "window/Design.h"
#include "window/qt/TwipScale.h"

namespace diruvari {

namespace {

QString bundledFamily() {
    static const QString family = [] {
        const int id = QFontDatabase::addApplicationFont(":/fonts/Blankenburg_UNZ1A.ttf");
        return QFontDatabase::applicationFontFamilies(id).value(0);
    }();
    return family;
}

}  // namespace

QFont labelFont() {
    const QString preferred = QStringLiteral("Rothenburg Decorative");
    QStringList families;
    if (QFontDatabase::hasFamily(preferred)) {
        families << preferred;
    }
    families << bundledFamily();
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(toPixels(labelFontHeight));
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

CaptionLabel::CaptionLabel(const QString& designCaption, QRect geometry, QWidget* parent)
    : QLabel(designCaption, parent), designCaption_(designCaption) {
    setTextFormat(Qt::PlainText);
    setFont(labelFont());
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setGeometry(geometry);
}

void CaptionLabel::setCaption(const std::string& caption) {
    setText(QString::fromStdString(caption));
}

void CaptionLabel::resetCaption() {
    setText(designCaption_);
}

}  // namespace diruvari
