#pragma once

#include "Types.h"
#include "ktrplatform_global.h"

#include <QChar>
#include <QMetaType>
#include <QObject>

// An event handler as a value: the method (slot or Q_INVOKABLE) with absolute index Code in
// the meta-object of the receiver Data. Two handlers are equal when both parts are equal,
// so a form can recognise its own handler after saving and restoring it. The receiver is
// not owned; a handler must not outlive its receiver.
struct KTRPLATFORM_EXPORT TMethod {
    int Code = -1;
    QObject *Data = nullptr;

    bool assigned() const { return Code >= 0 && Data != nullptr; }
    bool operator==(const TMethod &other) const
    {
        return Code == other.Code && Data == other.Data;
    }
    bool operator!=(const TMethod &other) const { return !(*this == other); }
};
Q_DECLARE_METATYPE(TMethod)

// The handler named methodName (a slot or Q_INVOKABLE of receiver, matched by name; the
// first overload found) or an empty TMethod when there is none.
KTRPLATFORM_EXPORT TMethod MethodOf(QObject *receiver, const char *methodName);

// Handler calls. Each checks that the method takes the parameters of its event type and
// does nothing (logging a warning) when it does not or when the handler is empty.
// Returns whether the handler was called.
//   notify:     void h(QObject *Sender)
//   key down:   void h(QObject *Sender, quint16 *Key, int Shift)   (also key up)
//   key press:  void h(QObject *Sender, QChar *Key)
//   changing:   void h(QObject *Sender, bool *AllowChange)
//   close:      void h(QObject *Sender, TCloseAction *Action)
//   close query void h(QObject *Sender, bool *CanClose)
//   mouse:      void h(QObject *Sender, TMouseButton Button, int Shift, int X, int Y)
KTRPLATFORM_EXPORT bool CallNotify(const TMethod &method, QObject *sender);
KTRPLATFORM_EXPORT bool CallKey(const TMethod &method, QObject *sender, quint16 *key, int shift);
KTRPLATFORM_EXPORT bool CallKeyPress(const TMethod &method, QObject *sender, QChar *key);
KTRPLATFORM_EXPORT bool CallChanging(const TMethod &method, QObject *sender, bool *allowChange);
KTRPLATFORM_EXPORT bool CallClose(const TMethod &method, QObject *sender, TCloseAction *action);
KTRPLATFORM_EXPORT bool CallCloseQuery(const TMethod &method, QObject *sender, bool *canClose);
KTRPLATFORM_EXPORT bool CallMouse(const TMethod &method, QObject *sender, TMouseButton button,
                                  int shift, int x, int y);

namespace ktr::platform {

// Calls method with raw arguments when its parameter types are the ones named (type
// names compared after dropping namespace qualifiers; "quint16*" also accepts "ushort*").
// args[i] points at argument i. Used by the typed Call* functions and by controls of other
// libraries that raise events of their own types.
KTRPLATFORM_EXPORT bool invokeHandler(const TMethod &method,
                                      std::initializer_list<const char *> parameterTypes,
                                      std::initializer_list<void *> args);

} // namespace ktr::platform
