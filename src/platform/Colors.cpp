#include "Colors.h"

#include <QGuiApplication>

namespace ktr::platform {

QPalette::ColorRole paletteRoleOf(TColor color)
{
    if (!isSystemColor(color))
        return QPalette::NoRole;
    switch (color & 0xFF) {
    case 1: return QPalette::Window;
    case 2: return QPalette::Highlight;
    case 3: return QPalette::Mid;
    case 4: return QPalette::Window;
    case 5: return QPalette::Base;
    case 6: return QPalette::Shadow;
    case 7: return QPalette::WindowText;
    case 8: return QPalette::Text;
    case 9: return QPalette::HighlightedText;
    case 13: return QPalette::Highlight;
    case 14: return QPalette::HighlightedText;
    case 15: return QPalette::Button;
    case 16: return QPalette::Dark;
    case 17: return QPalette::Text;
    case 18: return QPalette::ButtonText;
    case 19: return QPalette::WindowText;
    case 20: return QPalette::Light;
    case 21: return QPalette::Shadow;
    case 22: return QPalette::Midlight;
    case 23: return QPalette::ToolTipText;
    case 24: return QPalette::ToolTipBase;
    default: return QPalette::Window;
    }
}

QColor toQColor(TColor color)
{
    if (color == clNone || color == clDefault)
        return QColor();
    if (isSystemColor(color)) {
        const QPalette palette = QGuiApplication::palette();
        const QPalette::ColorGroup group =
            (color & 0xFF) == 17 ? QPalette::Disabled : QPalette::Active;
        return palette.color(group, paletteRoleOf(color));
    }
    const unsigned bgr = unsigned(color);
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

TColor fromQColor(const QColor &color)
{
    return TColor(unsigned(color.red()) | (unsigned(color.green()) << 8)
                  | (unsigned(color.blue()) << 16));
}

} // namespace ktr::platform
