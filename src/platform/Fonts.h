#pragma once

#include "Types.h"
#include "ktrplatform_global.h"

#include <QFont>

namespace ktr::platform {

// Font sizes as the forms give them: a negative height is the character height in pixels
// (-13 for a 13-pixel font); a positive one (the cell height) is taken as the same.
// fontHeight gives the negative form.
KTRPLATFORM_EXPORT QFont makeFont(const QString &name, int height);
KTRPLATFORM_EXPORT int fontHeight(const QFont &font);
KTRPLATFORM_EXPORT void setFontHeight(QFont &font, int height);
KTRPLATFORM_EXPORT TFontStyles fontStyles(const QFont &font);
KTRPLATFORM_EXPORT void setFontStyles(QFont &font, TFontStyles styles);

} // namespace ktr::platform
