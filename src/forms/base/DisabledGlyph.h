#pragma once

#include <QColor>
#include <QImage>

namespace ktr {

// Colours of the embossed disabled picture; the defaults are the classic button colours.
struct GlyphColours {
    QColor face = QColor(0xf0, 0xf0, 0xf0);
    QColor highlight = QColor(0xff, 0xff, 0xff);
    QColor shadow = QColor(0xa0, 0xa0, 0xa0);
};

// The transparent colour of a glyph: the colour of its bottom-left pixel.
QRgb glyphTransparentColour(const QImage &glyph);

// The embossed grey picture a disabled button shows: dark pixels of the shape, and light
// ones on its outline, become the shape; it is drawn in the shadow colour with a highlight
// edge one pixel down and right, on the face colour.
QImage makeDisabledImage(const QImage &glyph, const GlyphColours &colours = {});

// The glyph followed by its disabled picture, side by side (twice the width), on the
// transparent colour: the left half is shown enabled, the right half disabled.
QImage makeDoubledGlyph(const QImage &glyph, const GlyphColours &colours = {});

} // namespace ktr
