#pragma once

#include "Types.h"
#include "ktrplatform_global.h"

#include <Qt>

// Key codes handed to OnKeyDown/OnKeyUp: the conventional virtual-key numbers. Letters
// and digits are their upper-case ASCII codes ('A', '7').
inline constexpr quint16 VK_BACK = 0x08;
inline constexpr quint16 VK_TAB = 0x09;
inline constexpr quint16 VK_RETURN = 0x0D;
inline constexpr quint16 VK_SHIFT = 0x10;
inline constexpr quint16 VK_CONTROL = 0x11;
inline constexpr quint16 VK_MENU = 0x12;
inline constexpr quint16 VK_PAUSE = 0x13;
inline constexpr quint16 VK_ESCAPE = 0x1B;
inline constexpr quint16 VK_SPACE = 0x20;
inline constexpr quint16 VK_PRIOR = 0x21;
inline constexpr quint16 VK_NEXT = 0x22;
inline constexpr quint16 VK_END = 0x23;
inline constexpr quint16 VK_HOME = 0x24;
inline constexpr quint16 VK_LEFT = 0x25;
inline constexpr quint16 VK_UP = 0x26;
inline constexpr quint16 VK_RIGHT = 0x27;
inline constexpr quint16 VK_DOWN = 0x28;
inline constexpr quint16 VK_INSERT = 0x2D;
inline constexpr quint16 VK_DELETE = 0x2E;
inline constexpr quint16 VK_F1 = 0x70;
inline constexpr quint16 VK_F2 = 0x71;
inline constexpr quint16 VK_F3 = 0x72;
inline constexpr quint16 VK_F4 = 0x73;
inline constexpr quint16 VK_F5 = 0x74;
inline constexpr quint16 VK_F6 = 0x75;
inline constexpr quint16 VK_F7 = 0x76;
inline constexpr quint16 VK_F8 = 0x77;
inline constexpr quint16 VK_F9 = 0x78;
inline constexpr quint16 VK_F10 = 0x79;
inline constexpr quint16 VK_F11 = 0x7A;
inline constexpr quint16 VK_F12 = 0x7B;

namespace ktr::platform {

// The virtual-key number of a Qt key, 0 for keys without one.
KTRPLATFORM_EXPORT quint16 virtualKeyOf(int qtKey);
// The Qt key of a virtual-key number, Qt::Key_unknown for numbers without one.
KTRPLATFORM_EXPORT int qtKeyOf(quint16 virtualKey);
KTRPLATFORM_EXPORT TShiftState shiftStateOf(Qt::KeyboardModifiers modifiers);

} // namespace ktr::platform
