#pragma once

#include "Messages.h"
#include "ktrplatform_global.h"

#include <QObject>
#include <QString>

#include <vector>

namespace ktr::platform {

// Frees a component: BeforeDestruction first (once), then delete. Safe with nullptr and
// with plain QObjects (deleted directly). A component already being freed is left alone.
KTRPLATFORM_EXPORT void Free(QObject *object);

// The component part shared by non-visual components (TComponent, a QObject) and controls
// (a QWidget of the matching Qt class): a name, an owner and the components it owns.
//
// Ownership: an owner frees what it owns when it is freed itself, the last created first;
// a component freed earlier takes itself off its owner's list. The owner is independent
// of the Qt parent (the display parent of a control): the owned components are freed
// before the Qt base of the owner runs, and a component that Qt deletes as a child takes
// itself off its owner's list, so nothing is freed twice.
//
// The component's name is its QObject objectName.
class KTRPLATFORM_EXPORT ComponentLink {
public:
    ComponentLink(const ComponentLink &) = delete;
    ComponentLink &operator=(const ComponentLink &) = delete;
    virtual ~ComponentLink();

    QString Name() const;
    virtual void SetName(const QString &name);

    QObject *Owner() const { return m_owner ? m_owner->m_self : nullptr; }
    int ComponentCount() const { return int(m_owned.size()); }
    QObject *Components(int index) const;
    int ComponentIndex() const; // position in the owner's list, -1 without owner
    // The owned component with that name, compared without case; nullptr when none.
    QObject *FindComponent(const QString &name) const;
    void InsertComponent(QObject *component);
    void RemoveComponent(QObject *component);

    int Tag() const { return m_tag; }
    void SetTag(int tag) { m_tag = tag; }

    // The QObject this component part belongs to.
    QObject *self() const { return m_self; }
    bool Destroying() const { return m_destroying || m_freeing; }

    // Runs after the most derived constructor (see createComponent); forms raise OnCreate.
    virtual void AfterConstruction() {}
    // Runs at the start of freeing, while the whole object and what it owns are intact;
    // forms raise OnDestroy. Called by Free (and so by owners and Release), once.
    virtual void BeforeDestruction() {}

    // Window messages delivered by SendMessage/PostMessage. The default dispatch calls a
    // handler registered with AddMessageHandler, else DefaultHandler.
    virtual void WndProc(TMessage &message);
    virtual void DefaultHandler(TMessage &message);
    void AddMessageHandler(unsigned msg, MessageHandler handler);

    // Frees every owned component, the last created first.
    void DestroyComponents();

protected:
    ComponentLink(QObject *self, QObject *owner);

    // Start of destruction: leaves the owner's list and frees the owned components. Run by
    // the first destructor of the component part (idempotent).
    void destroyComponentPart();

private:
    friend void Free(QObject *object);

    QObject *m_self;
    ComponentLink *m_owner = nullptr;
    std::vector<QObject *> m_owned;
    std::vector<std::pair<unsigned, MessageHandler>> m_messageHandlers;
    int m_tag = 0;
    bool m_destroying = false;
    bool m_freeing = false;
};

// The component part of a QObject; nullptr for objects that are no component.
KTRPLATFORM_EXPORT ComponentLink *componentOf(const QObject *object);

// Creates a component of class T, then runs its AfterConstruction (a form's OnCreate),
// as the framework does after the most derived constructor. Owned by the owner passed
// in args (or by the caller when there is none).
template <class T, class... Args>
T *createComponent(Args &&...args)
{
    T *component = new T(std::forward<Args>(args)...);
    component->AfterConstruction();
    return component;
}

} // namespace ktr::platform

// A non-visual component.
class KTRPLATFORM_EXPORT TComponent : public QObject, public ktr::platform::ComponentLink {
    Q_OBJECT
    Q_PROPERTY(QString Name READ Name WRITE SetName)
    Q_PROPERTY(int Tag READ Tag WRITE SetTag)
public:
    explicit TComponent(QObject *owner = nullptr);
    ~TComponent() override;

protected:
    bool event(QEvent *event) override;
};
