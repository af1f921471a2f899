#include "Method.h"

#include "PlatformLog.h"

#include <QMetaMethod>

#include <vector>

namespace {

QByteArray unqualified(QByteArray type)
{
    const int scope = type.lastIndexOf("::");
    if (scope >= 0)
        type = type.mid(scope + 2);
    if (type == "ushort*" || type == "uint16_t*")
        type = "quint16*";
    return type;
}

} // namespace

TMethod MethodOf(QObject *receiver, const char *methodName)
{
    if (!receiver || !methodName || !*methodName)
        return {};
    const QMetaObject *meta = receiver->metaObject();
    const QByteArray wanted(methodName);
    for (int i = meta->methodCount() - 1; i >= 0; --i) {
        const QMetaMethod m = meta->method(i);
        if (m.methodType() != QMetaMethod::Slot && m.methodType() != QMetaMethod::Method)
            continue;
        if (m.name() == wanted)
            return TMethod{m.methodIndex(), receiver};
    }
    return {};
}

namespace ktr::platform {

bool invokeHandler(const TMethod &method, std::initializer_list<const char *> parameterTypes,
                   std::initializer_list<void *> args)
{
    if (!method.assigned())
        return false;
    const QMetaObject *meta = method.Data->metaObject();
    if (method.Code >= meta->methodCount()) {
        qCWarning(lcPlatform) << "handler index" << method.Code << "not in"
                              << meta->className();
        return false;
    }
    const QMetaMethod m = meta->method(method.Code);
    const QList<QByteArray> actual = m.parameterTypes();
    bool matches = actual.size() == int(parameterTypes.size());
    auto expected = parameterTypes.begin();
    for (int i = 0; matches && i < actual.size(); ++i, ++expected)
        matches = unqualified(actual[i]) == unqualified(QByteArray(*expected));
    if (!matches) {
        qCWarning(lcPlatform) << "handler" << m.methodSignature() << "of" << meta->className()
                              << "does not take the event's parameters";
        return false;
    }
    std::vector<void *> argv;
    argv.reserve(args.size() + 1);
    argv.push_back(nullptr); // no return value
    argv.insert(argv.end(), args.begin(), args.end());
    QMetaObject::metacall(method.Data, QMetaObject::InvokeMetaMethod, method.Code, argv.data());
    return true;
}

} // namespace ktr::platform

using ktr::platform::invokeHandler;

bool CallNotify(const TMethod &method, QObject *sender)
{
    return invokeHandler(method, {"QObject*"}, {&sender});
}

bool CallKey(const TMethod &method, QObject *sender, quint16 *key, int shift)
{
    return invokeHandler(method, {"QObject*", "quint16*", "int"}, {&sender, &key, &shift});
}

bool CallKeyPress(const TMethod &method, QObject *sender, QChar *key)
{
    return invokeHandler(method, {"QObject*", "QChar*"}, {&sender, &key});
}

bool CallChanging(const TMethod &method, QObject *sender, bool *allowChange)
{
    return invokeHandler(method, {"QObject*", "bool*"}, {&sender, &allowChange});
}

bool CallClose(const TMethod &method, QObject *sender, TCloseAction *action)
{
    return invokeHandler(method, {"QObject*", "TCloseAction*"}, {&sender, &action});
}

bool CallCloseQuery(const TMethod &method, QObject *sender, bool *canClose)
{
    return invokeHandler(method, {"QObject*", "bool*"}, {&sender, &canClose});
}

bool CallMouse(const TMethod &method, QObject *sender, TMouseButton button, int shift, int x,
               int y)
{
    return invokeHandler(method, {"QObject*", "TMouseButton", "int", "int", "int"},
                         {&sender, &button, &shift, &x, &y});
}
