#include "Glyphs.h"

#include <QBitmap>
#include <QImage>

#include <algorithm>

namespace ktr::platform {

QPixmap withTransparentColor(const QPixmap &picture)
{
    if (picture.isNull() || picture.hasAlphaChannel())
        return picture;
    const QImage image = picture.toImage();
    const QColor transparent = image.pixelColor(0, image.height() - 1);
    QPixmap result = picture;
    result.setMask(QBitmap::fromImage(image.createMaskFromColor(transparent.rgb())));
    return result;
}

QPixmap glyphCell(const QPixmap &glyph, int numGlyphs, int index)
{
    if (glyph.isNull())
        return {};
    const int cells = std::max(1, numGlyphs);
    const int cellWidth = glyph.width() / cells;
    if (index < 0 || index >= cells || cellWidth <= 0)
        return {};
    return withTransparentColor(glyph.copy(index * cellWidth, 0, cellWidth, glyph.height()));
}

QIcon glyphIcon(const QPixmap &glyph, int numGlyphs)
{
    QIcon icon;
    if (glyph.isNull())
        return icon;
    icon.addPixmap(glyphCell(glyph, numGlyphs, 0), QIcon::Normal);
    if (numGlyphs >= 2)
        icon.addPixmap(glyphCell(glyph, numGlyphs, 1), QIcon::Disabled);
    return icon;
}

} // namespace ktr::platform
