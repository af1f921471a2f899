#include "Fonts.h"

#include <QFontInfo>

#include <cstdlib>

namespace ktr::platform {

QFont makeFont(const QString &name, int height)
{
    QFont font(name);
    setFontHeight(font, height);
    return font;
}

int fontHeight(const QFont &font)
{
    return -QFontInfo(font).pixelSize();
}

void setFontHeight(QFont &font, int height)
{
    // Qt sizes fonts by character height; a cell height is taken as that, slightly larger.
    if (height != 0)
        font.setPixelSize(std::abs(height));
}

TFontStyles fontStyles(const QFont &font)
{
    TFontStyles styles;
    styles.setFlag(fsBold, font.bold());
    styles.setFlag(fsItalic, font.italic());
    styles.setFlag(fsUnderline, font.underline());
    styles.setFlag(fsStrikeOut, font.strikeOut());
    return styles;
}

void setFontStyles(QFont &font, TFontStyles styles)
{
    font.setBold(styles.testFlag(fsBold));
    font.setItalic(styles.testFlag(fsItalic));
    font.setUnderline(styles.testFlag(fsUnderline));
    font.setStrikeOut(styles.testFlag(fsStrikeOut));
}

} // namespace ktr::platform
