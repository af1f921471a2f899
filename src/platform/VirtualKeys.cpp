#include "VirtualKeys.h"

#include <array>
#include <utility>

namespace ktr::platform {
namespace {

constexpr std::array<std::pair<int, quint16>, 24> kNamedKeys{{
    {Qt::Key_Backspace, VK_BACK}, {Qt::Key_Tab, VK_TAB}, {Qt::Key_Backtab, VK_TAB},
    {Qt::Key_Return, VK_RETURN}, {Qt::Key_Enter, VK_RETURN}, {Qt::Key_Shift, VK_SHIFT},
    {Qt::Key_Control, VK_CONTROL}, {Qt::Key_Alt, VK_MENU}, {Qt::Key_Pause, VK_PAUSE},
    {Qt::Key_Escape, VK_ESCAPE}, {Qt::Key_Space, VK_SPACE}, {Qt::Key_PageUp, VK_PRIOR},
    {Qt::Key_PageDown, VK_NEXT}, {Qt::Key_End, VK_END}, {Qt::Key_Home, VK_HOME},
    {Qt::Key_Left, VK_LEFT}, {Qt::Key_Up, VK_UP}, {Qt::Key_Right, VK_RIGHT},
    {Qt::Key_Down, VK_DOWN}, {Qt::Key_Insert, VK_INSERT}, {Qt::Key_Delete, VK_DELETE},
    {Qt::Key_Meta, 0x5B}, {Qt::Key_Menu, 0x5D}, {Qt::Key_CapsLock, 0x14},
}};

} // namespace

quint16 virtualKeyOf(int qtKey)
{
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return quint16(qtKey);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return quint16(VK_F1 + (qtKey - Qt::Key_F1));
    for (const auto &[key, vk] : kNamedKeys) {
        if (key == qtKey)
            return vk;
    }
    return 0;
}

int qtKeyOf(quint16 virtualKey)
{
    if ((virtualKey >= 'A' && virtualKey <= 'Z') || (virtualKey >= '0' && virtualKey <= '9'))
        return virtualKey;
    if (virtualKey >= VK_F1 && virtualKey < VK_F1 + 24)
        return Qt::Key_F1 + (virtualKey - VK_F1);
    for (const auto &[key, vk] : kNamedKeys) {
        if (vk == virtualKey)
            return key;
    }
    return Qt::Key_unknown;
}

TShiftState shiftStateOf(Qt::KeyboardModifiers modifiers)
{
    TShiftState state = 0;
    if (modifiers & Qt::ShiftModifier)
        state |= ssShift;
    if (modifiers & Qt::AltModifier)
        state |= ssAlt;
    if (modifiers & Qt::ControlModifier)
        state |= ssCtrl;
    return state;
}

} // namespace ktr::platform
