#include "DisabledGlyph.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace ktr {

QRgb glyphTransparentColour(const QImage &glyph)
{
    if (glyph.isNull())
        return qRgb(0, 0, 0);
    return glyph.pixel(0, glyph.height() - 1) | 0xff000000u;
}

namespace {

bool isDark(QRgb c) { return qRed(c) + qGreen(c) + qBlue(c) < 384; }

// Marks the pixels that make up the disabled shape; b is an RGB32 picture, read by scan line.
std::vector<bool> shapeMask(const QImage &b, QRgb transparent)
{
    const int w = b.width(), h = b.height();
    std::vector<bool> marked(static_cast<std::size_t>(w) * h, false);
    std::vector<const QRgb *> rows(static_cast<std::size_t>(h));
    for (int y = 0; y < h; ++y)
        rows[static_cast<std::size_t>(y)] = reinterpret_cast<const QRgb *>(b.constScanLine(y));
    const auto colourAt = [&](int x, int y) {
        return rows[static_cast<std::size_t>(std::clamp(y, 0, h - 1))][std::clamp(x, 0, w - 1)] | 0xff000000u;
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
    // Colours as the RGB888 glyph has them, worked on as 32-bit pixels by scan line; the
    // picture is handed out as RGB888.
    const QImage b = glyph.convertToFormat(QImage::Format_RGB888).convertToFormat(QImage::Format_RGB32);
    if (b.isNull())
        return QImage(b.size(), QImage::Format_RGB888);
    const QRgb transparent = glyphTransparentColour(b);
    const std::vector<bool> marked = shapeMask(b, transparent);

    QImage d(b.size(), QImage::Format_RGB32);
    d.fill(colours.face);
    const int w = b.width(), h = b.height();
    // Highlight through the mask one pixel down and right, then the shadow on top.
    for (int pass = 0; pass < 2; ++pass) {
        const int offset = pass == 0 ? 1 : 0;
        const QRgb colour = (pass == 0 ? colours.highlight : colours.shadow).rgb();
        for (int y = 0; y + offset < h; ++y) {
            auto *row = reinterpret_cast<QRgb *>(d.scanLine(y + offset));
            for (int x = 0; x + offset < w; ++x)
                if (marked[static_cast<std::size_t>(y) * w + x])
                    row[x + offset] = colour;
        }
    }
    return d.convertToFormat(QImage::Format_RGB888);
}

QImage makeDoubledGlyph(const QImage &glyph, const GlyphColours &colours)
{
    if (glyph.isNull())
        return glyph;
    const QImage source = glyph.convertToFormat(QImage::Format_RGB888);
    const QImage disabled = makeDisabledImage(source, colours);
    // The two halves cover the picture; each row is the glyph's row, then the disabled one.
    QImage doubled(source.width() * 2, source.height(), QImage::Format_RGB888);
    const std::size_t half = std::size_t(source.width()) * 3;
    for (int y = 0; y < source.height(); ++y) {
        uchar *row = doubled.scanLine(y);
        std::memcpy(row, source.constScanLine(y), half);
        std::memcpy(row + half, disabled.constScanLine(y), half);
    }
    return doubled;
}

} // namespace ktr
