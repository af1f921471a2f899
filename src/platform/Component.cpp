#include "Component.h"

#include "PartLookup.h"
#include "PlatformLog.h"

#include <QEvent>

#include <algorithm>

namespace ktr::platform {

ComponentLink::ComponentLink(QObject *self, QObject *owner) : m_self(self)
{
    // This object is still being built, so it is added by its component part directly.
    if (ComponentLink *ownerLink = componentOf(owner)) {
        m_owner = ownerLink;
        ownerLink->m_owned.push_back(self);
    }
}

ComponentLink::~ComponentLink()
{
    destroyComponentPart();
}

void ComponentLink::destroyComponentPart()
{
    m_destroying = true;
    if (m_owner)
        m_owner->RemoveComponent(m_self);
    DestroyComponents();
}

void ComponentLink::DestroyComponents()
{
    while (!m_owned.empty()) {
        QObject *last = m_owned.back();
        m_owned.pop_back();
        if (ComponentLink *link = componentOf(last))
            link->m_owner = nullptr;
        Free(last);
    }
}

QString ComponentLink::Name() const
{
    return m_self->objectName();
}

void ComponentLink::SetName(const QString &name)
{
    m_self->setObjectName(name);
}

QObject *ComponentLink::Components(int index) const
{
    if (index < 0 || index >= ComponentCount())
        return nullptr;
    return m_owned[std::size_t(index)];
}

int ComponentLink::ComponentIndex() const
{
    if (!m_owner)
        return -1;
    const auto &list = m_owner->m_owned;
    const auto it = std::find(list.begin(), list.end(), m_self);
    return it == list.end() ? -1 : int(it - list.begin());
}

QObject *ComponentLink::FindComponent(const QString &name) const
{
    if (name.isEmpty())
        return nullptr;
    for (QObject *component : m_owned) {
        if (component->objectName().compare(name, Qt::CaseInsensitive) == 0)
            return component;
    }
    return nullptr;
}

void ComponentLink::InsertComponent(QObject *component)
{
    ComponentLink *link = componentOf(component);
    if (!link || link->m_owner == this)
        return;
    if (link->m_owner)
        link->m_owner->RemoveComponent(component);
    link->m_owner = this;
    m_owned.push_back(component);
}

void ComponentLink::RemoveComponent(QObject *component)
{
    const auto it = std::find(m_owned.begin(), m_owned.end(), component);
    if (it == m_owned.end())
        return;
    m_owned.erase(it);
    if (ComponentLink *link = componentOf(component))
        link->m_owner = nullptr;
}

void ComponentLink::AddMessageHandler(unsigned msg, MessageHandler handler)
{
    m_messageHandlers.emplace_back(msg, std::move(handler));
}

void ComponentLink::WndProc(TMessage &message)
{
    for (auto it = m_messageHandlers.rbegin(); it != m_messageHandlers.rend(); ++it) {
        if (it->first == message.Msg) {
            it->second(message);
            return;
        }
    }
    DefaultHandler(message);
}

void ComponentLink::DefaultHandler(TMessage &)
{
}

ComponentLink *componentOf(const QObject *object)
{
    return detail::partOf<ComponentLink>(object);
}

void Free(QObject *object)
{
    if (!object)
        return;
    if (ComponentLink *link = componentOf(object)) {
        if (link->m_destroying || link->m_freeing)
            return;
        link->m_freeing = true;
        link->BeforeDestruction();
    }
    delete object;
}

} // namespace ktr::platform

TComponent::TComponent(QObject *owner) : QObject(nullptr), ComponentLink(this, owner)
{
}

TComponent::~TComponent() = default;

bool TComponent::event(QEvent *event)
{
    // deleteLater() goes through Free as well, so that BeforeDestruction always runs.
    if (event->type() == QEvent::DeferredDelete) {
        ktr::platform::Free(this);
        return true;
    }
    return QObject::event(event);
}
