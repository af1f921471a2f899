#pragma once

#include "ktrplatform_global.h"

#include <QColor>
#include <QPalette>

// A colour as the forms store it: an integer 0x00BBGGRR for a fixed colour, or a system
// colour 0xFF0000nn (negative as an int) whose value nn names a role of the
// application palette (see paletteRoleOf). Saved colours and required-field colours are
// these integers.
using TColor = int;

namespace ktr::platform {
inline constexpr TColor systemColor(int index)
{
    return static_cast<TColor>(0xFF000000u | unsigned(index));
}
} // namespace ktr::platform

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clOlive = 0x008080;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clPurple = 0x800080;
inline constexpr TColor clTeal = 0x808000;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clFuchsia = 0xFF00FF;
inline constexpr TColor clAqua = 0xFFFF00;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clNone = 0x1FFFFFFF;
inline constexpr TColor clDefault = 0x20000000;

// System colours; the index is the conventional system colour number.
inline constexpr TColor clScrollBar = ktr::platform::systemColor(0);
inline constexpr TColor clBackground = ktr::platform::systemColor(1);
inline constexpr TColor clActiveCaption = ktr::platform::systemColor(2);
inline constexpr TColor clInactiveCaption = ktr::platform::systemColor(3);
inline constexpr TColor clMenu = ktr::platform::systemColor(4);
inline constexpr TColor clWindow = ktr::platform::systemColor(5);
inline constexpr TColor clWindowFrame = ktr::platform::systemColor(6);
inline constexpr TColor clMenuText = ktr::platform::systemColor(7);
inline constexpr TColor clWindowText = ktr::platform::systemColor(8);
inline constexpr TColor clCaptionText = ktr::platform::systemColor(9);
inline constexpr TColor clHighlight = ktr::platform::systemColor(13);
inline constexpr TColor clHighlightText = ktr::platform::systemColor(14);
inline constexpr TColor clBtnFace = ktr::platform::systemColor(15);
inline constexpr TColor clBtnShadow = ktr::platform::systemColor(16);
inline constexpr TColor clGrayText = ktr::platform::systemColor(17);
inline constexpr TColor clBtnText = ktr::platform::systemColor(18);
inline constexpr TColor clInactiveCaptionText = ktr::platform::systemColor(19);
inline constexpr TColor clBtnHighlight = ktr::platform::systemColor(20);
inline constexpr TColor cl3DDkShadow = ktr::platform::systemColor(21);
inline constexpr TColor cl3DLight = ktr::platform::systemColor(22);
inline constexpr TColor clInfoText = ktr::platform::systemColor(23);
inline constexpr TColor clInfoBk = ktr::platform::systemColor(24);

namespace ktr::platform {

inline bool isSystemColor(TColor color)
{
    return (unsigned(color) & 0xFF000000u) == 0xFF000000u;
}

// The palette role a system colour stands for (QPalette::NoRole for fixed colours).
// Caption colours, which Qt's palette lacks, map to Highlight (active) and Mid (inactive).
KTRPLATFORM_EXPORT QPalette::ColorRole paletteRoleOf(TColor color);

// The colour to paint: fixed colours from their BGR value, system colours from the
// application palette (the disabled group for clGrayText).
KTRPLATFORM_EXPORT QColor toQColor(TColor color);
KTRPLATFORM_EXPORT TColor fromQColor(const QColor &color);

} // namespace ktr::platform
