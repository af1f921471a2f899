#include "DisabledGlyph.h"

#include <QPainter>

#include <algorithm>

namespace ktr {

QRgb glyphTransparentColour(const QImage &glyph)
{
    if (glyph.isNull())
        return qRgb(0, 0, 0);
    return glyph.pixel(0, glyph.height() - 1) | 0xff000000u;
}

namespace {

bool isDark(QRgb c) { return qRed(c) + qGreen(c) + qBlue(c) < 384; }

// Marks the pixels that make up the disabled shape.
std::vector<bool> shapeMask(const QImage &b, QRgb transparent)
{
    const int w = b.width(), h = b.height();
    std::vector<bool> marked(static_cast<std::size_t>(w) * h, false);
    const auto colourAt = [&](int x, int y) {
        return b.pixel(std::clamp(x, 0, w - 1), std::clamp(y, 0, h - 1)) | 0xff000000u;
    };
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const QRgb c = colourAt(x, y);
            if (c == transparent)
                continue;
            const bool onOutline = colourAt(x, y - 1) == transparent || colourAt(x, y + 1) == transparent ||
                                   colourAt(x - 1, y) == transparent || colourAt(x + 1, y) == transparent;
            marked[static_cast<std::size_t>(y) * w + x] = isDark(c) || onOutline;
        }
    }
    return marked;
}

} // namespace

QImage makeDisabledImage(const QImage &glyph, const GlyphColours &colours)
{
    const QImage b = glyph.convertToFormat(QImage::Format_RGB888);
    QImage d(b.size(), QImage::Format_RGB888);
    if (b.isNull())
        return d;
    const QRgb transparent = glyphTransparentColour(b);
    const std::vector<bool> marked = shapeMask(b, transparent);

    d.fill(colours.face);
    const int w = b.width(), h = b.height();
    // Highlight through the mask one pixel down and right, then the shadow on top.
    for (int pass = 0; pass < 2; ++pass) {
        const int offset = pass == 0 ? 1 : 0;
        const QRgb colour = (pass == 0 ? colours.highlight : colours.shadow).rgb();
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (marked[static_cast<std::size_t>(y) * w + x] && x + offset < w && y + offset < h)
                    d.setPixel(x + offset, y + offset, colour);
    }
    return d;
}

QImage makeDoubledGlyph(const QImage &glyph, const GlyphColours &colours)
{
    if (glyph.isNull())
        return glyph;
    const QImage source = glyph.convertToFormat(QImage::Format_RGB888);
    QImage doubled(source.width() * 2, source.height(), QImage::Format_RGB888);
    doubled.fill(QColor::fromRgb(glyphTransparentColour(source)));
    QPainter p(&doubled);
    p.drawImage(0, 0, source);
    p.drawImage(source.width(), 0, makeDisabledImage(source, colours));
    return doubled;
}

} // namespace ktr
