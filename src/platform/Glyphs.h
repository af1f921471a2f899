#pragma once

#include "ktrplatform_global.h"

#include <QIcon>
#include <QPixmap>

namespace ktr::platform {

// Button pictures are strips of numGlyphs cells of equal width: cell 0 for the enabled
// button, cell 1 for the disabled one (2: clicked, 3: down, where present). The colour of
// the bottom-left pixel is transparent.
KTRPLATFORM_EXPORT QPixmap glyphCell(const QPixmap &glyph, int numGlyphs, int index);
// The icon for a glyph strip: Normal from cell 0, Disabled from cell 1 when there is one.
KTRPLATFORM_EXPORT QIcon glyphIcon(const QPixmap &glyph, int numGlyphs);
// The picture with its transparent colour (the bottom-left pixel) masked out.
KTRPLATFORM_EXPORT QPixmap withTransparentColor(const QPixmap &picture);

} // namespace ktr::platform
