#pragma once

#include "ktrplatform_global.h"

#include <QObject>

#include <cstdint>
#include <functional>

// A window message as the forms send and handle it.
struct TMessage {
    unsigned Msg = 0;
    std::intptr_t WParam = 0;
    std::intptr_t LParam = 0;
    std::intptr_t Result = 0;
};

inline constexpr unsigned WM_CLOSE = 0x0010;
inline constexpr unsigned WM_USER = 1024;
// Open the lookup window of a control: LParam is the control (see objectFromParam).
inline constexpr unsigned WM_OPENWIN = WM_USER + 10;
inline constexpr unsigned WM_OPENF3WIN = WM_USER + 11;
inline constexpr unsigned WM_OPENF4WIN = WM_USER + 12;

// Delivers a message synchronously to the WndProc of a form or control and returns its
// Result; 0 when target is no component.
KTRPLATFORM_EXPORT std::intptr_t SendMessage(QObject *target, unsigned msg, std::intptr_t wParam,
                                             std::intptr_t lParam);
// Queues a message; it is delivered from the event loop (or ProcessMessages) through the
// same WndProc, and dropped when the target is gone by then.
KTRPLATFORM_EXPORT void PostMessage(QObject *target, unsigned msg, std::intptr_t wParam,
                                    std::intptr_t lParam);

namespace ktr::platform {

using MessageHandler = std::function<void(TMessage &)>;

// Object pointers travel in message parameters as integers.
inline std::intptr_t paramOf(const QObject *object)
{
    return reinterpret_cast<std::intptr_t>(object);
}
inline QObject *objectFromParam(std::intptr_t param)
{
    return reinterpret_cast<QObject *>(param);
}

// Delivers what is queued: posted messages, deferred frees (Release, close with caFree)
// and other posted events, then pending window-system events. Safe inside handlers.
KTRPLATFORM_EXPORT void ProcessMessages();

// Runs action from the event queue, unless context is gone by then.
KTRPLATFORM_EXPORT void postAction(QObject *context, std::function<void()> action);

} // namespace ktr::platform
