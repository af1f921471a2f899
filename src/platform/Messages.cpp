#include "Messages.h"

#include "Component.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>

namespace ktr::platform {
namespace {

// Carries a queued action to the dispatcher; the context decides whether it still runs.
class PostedAction : public QEvent {
public:
    static QEvent::Type eventType()
    {
        static const int type = QEvent::registerEventType();
        return static_cast<QEvent::Type>(type);
    }
    PostedAction(QObject *context, std::function<void()> action)
        : QEvent(eventType()), context(context), hasContext(context != nullptr),
          action(std::move(action))
    {
    }
    QPointer<QObject> context;
    bool hasContext;
    std::function<void()> action;
};

class Dispatcher : public QObject {
public:
    static Dispatcher &instance()
    {
        static QPointer<Dispatcher> dispatcher;
        if (!dispatcher)
            dispatcher = new Dispatcher(QCoreApplication::instance());
        return *dispatcher;
    }

protected:
    bool event(QEvent *event) override
    {
        if (event->type() != PostedAction::eventType())
            return QObject::event(event);
        auto *posted = static_cast<PostedAction *>(event);
        if (!posted->hasContext || posted->context)
            posted->action();
        return true;
    }

private:
    using QObject::QObject;
};

} // namespace

void postAction(QObject *context, std::function<void()> action)
{
    QCoreApplication::postEvent(&Dispatcher::instance(),
                                new PostedAction(context, std::move(action)));
}

void ProcessMessages()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

} // namespace ktr::platform

std::intptr_t SendMessage(QObject *target, unsigned msg, std::intptr_t wParam,
                          std::intptr_t lParam)
{
    ktr::platform::ComponentLink *component = ktr::platform::componentOf(target);
    if (!component)
        return 0;
    TMessage message{msg, wParam, lParam, 0};
    component->WndProc(message);
    return message.Result;
}

void PostMessage(QObject *target, unsigned msg, std::intptr_t wParam, std::intptr_t lParam)
{
    if (!target)
        return;
    ktr::platform::postAction(target, [target, msg, wParam, lParam] {
        SendMessage(target, msg, wParam, lParam);
    });
}
