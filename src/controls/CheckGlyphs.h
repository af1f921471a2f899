#pragma once

// The check box pictures the module carries: 19 x 14 pixels, the box on the left, the
// transparent colour (fuchsia) in the bottom-left pixel.
namespace ktr::controls::detail::checkglyphs {

// clang-format off
inline const char *const kUnchecked[] = {
    "19 14 6 1",
    ". c #FF00FF",
    "d c #404040",
    "g c #808080",
    "i c #FFFFFF",
    "l c #D4D0C8",
    "w c #FFFFFF",
    "..ggggggggggggg....",
    "..gdddddddddddw....",
    "..gdiiiiiiiiilw....",
    "..gdiiiiiiiiilw....",
    "..gdiiiiiiiiilw....",
    "..gdiiiiiiiiilw....",
    "..gdiiiiiiiiilw....",
    "..gdiiiiiiiiilw....",
    "..gdiiiiiiiiilw....",
    "..gdiiiiiiiiilw....",
    "..gdiiiiiiiiilw....",
    "..gdllllllllllw....",
    "..gwwwwwwwwwwww....",
    "..................."
};

inline const char *const kChecked[] = {
    "19 14 7 1",
    ". c #FF00FF",
    "d c #404040",
    "g c #808080",
    "i c #FFFFFF",
    "k c #000000",
    "l c #D4D0C8",
    "w c #FFFFFF",
    "..ggggggggggggg....",
    "..gdddddddddddw....",
    "..gdiiiiiiiiilw....",
    "..gdiiiiiiikilw....",
    "..gdiiiiiikkilw....",
    "..gdikiiikkkilw....",
    "..gdikkikkkiilw....",
    "..gdikkkkkiiilw....",
    "..gdiikkkiiiilw....",
    "..gdiiikiiiiilw....",
    "..gdiiiiiiiiilw....",
    "..gdllllllllllw....",
    "..gwwwwwwwwwwww....",
    "..................."
};

inline const char *const kGrayed[] = {
    "19 14 7 1",
    ". c #FF00FF",
    "d c #404040",
    "g c #808080",
    "l c #D4D0C8",
    "m c #808080",
    "s c #D4D0C8",
    "w c #FFFFFF",
    "..ggggggggggggg....",
    "..gdddddddddddw....",
    "..gdssssssssslw....",
    "..gdsssssssmslw....",
    "..gdssssssmmslw....",
    "..gdsmsssmmmslw....",
    "..gdsmmsmmmsslw....",
    "..gdsmmmmmssslw....",
    "..gdssmmmsssslw....",
    "..gdsssmssssslw....",
    "..gdssssssssslw....",
    "..gdllllllllllw....",
    "..gwwwwwwwwwwww....",
    "..................."
};
// clang-format on

} // namespace ktr::controls::detail::checkglyphs
