#include "TestSupport.h"

#include <QChildEvent>
#include <QPointer>

namespace {

// Notes its own destruction in a shared log, to check the order in which owners free.
class Tracked : public TComponent {
public:
    Tracked(QObject *owner, const QString &name, QStringList *log) : TComponent(owner), m_log(log)
    {
        SetName(name);
    }
    ~Tracked() override { m_log->append(Name()); }

private:
    QStringList *m_log;
};

TEST(Component, OwnedListKeepsCreationOrderAndFindsNamesWithoutCase)
{
    TComponent owner;
    auto *first = new TComponent(&owner);
    first->SetName(QStringLiteral("edBegin"));
    auto *second = new TEdit(&owner);
    second->SetName(QStringLiteral("sp01"));
    auto *third = new TLabel(&owner);
    third->SetName(QStringLiteral("lblToday"));

    ASSERT_EQ(owner.ComponentCount(), 3);
    EXPECT_EQ(owner.Components(0), first);
    EXPECT_EQ(owner.Components(1), second);
    EXPECT_EQ(owner.Components(2), third);
    EXPECT_EQ(owner.Components(3), nullptr);
    EXPECT_EQ(second->Owner(), &owner);
    EXPECT_EQ(second->ComponentIndex(), 1);

    struct Case {
        const char *name;
        QObject *expected;
    } cases[] = {
        {"edBegin", first}, {"EDBEGIN", first}, {"Sp01", second}, {"lbltoday", third},
        {"missing", nullptr}, {"", nullptr},
    };
    for (const Case &c : cases)
        EXPECT_EQ(owner.FindComponent(QString::fromLatin1(c.name)), c.expected) << c.name;
    EXPECT_EQ(second->objectName(), QStringLiteral("sp01"));
}

TEST(Component, OwnerFreesWhatItOwnsLastCreatedFirst)
{
    QStringList log;
    {
        auto owner = std::make_unique<TComponent>();
        new Tracked(owner.get(), QStringLiteral("a"), &log);
        auto *b = new Tracked(owner.get(), QStringLiteral("b"), &log);
        new Tracked(b, QStringLiteral("b1"), &log);
        new Tracked(owner.get(), QStringLiteral("c"), &log);
    }
    // A component's own destructor runs before it frees what it owns.
    EXPECT_EQ(log, (QStringList{"c", "b", "b1", "a"}));
}

TEST(Component, ComponentFreedEarlyLeavesItsOwnersList)
{
    TComponent owner;
    auto *a = new TComponent(&owner);
    auto *b = new TComponent(&owner);
    ktr::platform::Free(a);
    ASSERT_EQ(owner.ComponentCount(), 1);
    EXPECT_EQ(owner.Components(0), b);
}

// A control owned by one object and displayed in another: whichever goes first, the
// control is freed exactly once.
TEST(Component, OwnerAndDisplayParentNeverFreeTwice)
{
    {
        TForm form;
        auto *panel = new TPanel(&form, &form);
        QPointer<TEdit> edit = new TEdit(&form, panel); // owned by the form, shown in the panel
        ktr::platform::Free(panel);                      // Qt deletes the edit with its parent
        EXPECT_TRUE(edit.isNull());
        EXPECT_EQ(form.ComponentCount(), 0);
    }
    {
        auto form = std::make_unique<TForm>();
        auto *panel = new TPanel(form.get(), form.get());
        QPointer<TEdit> edit = new TEdit(panel, form.get()); // owned by the panel, shown in the form
        ktr::platform::Free(panel);
        EXPECT_TRUE(edit.isNull());
        QPointer<TEdit> late = new TEdit(form.get(), form.get());
        form.reset();
        EXPECT_TRUE(late.isNull());
    }
}

TEST(Component, InsertComponentMovesOwnership)
{
    TComponent first;
    TComponent second;
    auto *c = new TComponent(&first);
    second.InsertComponent(c);
    EXPECT_EQ(first.ComponentCount(), 0);
    EXPECT_EQ(second.ComponentCount(), 1);
    EXPECT_EQ(c->Owner(), &second);
}

TEST(Component, ComponentOfAndControlOfTellComponentsApart)
{
    QObject plain;
    TComponent component;
    TEdit edit;
    EXPECT_EQ(ktr::platform::componentOf(&plain), nullptr);
    EXPECT_EQ(ktr::platform::componentOf(&component), &component);
    EXPECT_EQ(ktr::platform::controlOf(&component), nullptr);
    EXPECT_EQ(ktr::platform::controlOf(&edit), &edit);
    EXPECT_EQ(QString::fromLatin1(edit.metaObject()->className()), QStringLiteral("TEdit"));
}

// Records what controlOf and componentOf answer for each child while it is being added.
class ChildAddedProbe : public QObject {
public:
    std::vector<std::pair<ktr::platform::ControlLink *, ktr::platform::ComponentLink *>> seen;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::ChildAdded) {
            QObject *child = static_cast<QChildEvent *>(event)->child();
            seen.emplace_back(ktr::platform::controlOf(child), ktr::platform::componentOf(child));
        }
        return QObject::eventFilter(watched, event);
    }
};

// The lookups answer as dynamic_cast does, also for an object whose class has been looked
// up before: a control's Qt base is told while it is still being built (no control yet),
// and a finished control gives its own control part.
TEST(Component, LookupsAnswerAsTheObjectIsWhileItIsBuilt)
{
    QWidget parent;
    ChildAddedProbe probe;
    parent.installEventFilter(&probe);
    for (int round = 0; round < 2; ++round) {
        probe.seen.clear();
        auto *label = new TLabel(nullptr, &parent);
        auto *edit = new TEdit(nullptr, &parent);
        ASSERT_EQ(probe.seen.size(), 2u);
        for (const auto &[control, component] : probe.seen) {
            EXPECT_EQ(control, nullptr) << "round " << round;
            EXPECT_EQ(component, nullptr) << "round " << round;
        }
        EXPECT_EQ(ktr::platform::controlOf(label), static_cast<ktr::platform::ControlLink *>(label));
        EXPECT_EQ(ktr::platform::componentOf(label), static_cast<ktr::platform::ComponentLink *>(label));
        EXPECT_EQ(ktr::platform::controlOf(edit), static_cast<ktr::platform::ControlLink *>(edit));
        EXPECT_EQ(ktr::platform::controlOf(static_cast<const QWidget *>(&parent)), nullptr);
        EXPECT_EQ(ktr::platform::controlOf(nullptr), nullptr);
        delete label;
        delete edit;
    }
}

} // namespace
