#include "LibRTTI.h"

#include "Platform.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class QtEnvironment : public testing::Environment {
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "librtti-test";
        static char *argv[] = {name, nullptr};
        app = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override { app.reset(); }

private:
    std::unique_ptr<QApplication> app;
};
const auto *const environment = testing::AddGlobalTestEnvironment(new QtEnvironment);

class Handlers : public QObject {
    Q_OBJECT
public:
    int clicks = 0;
public slots:
    void chkClick(QObject *) { ++clicks; }
};

// A small form: a label, a check box, an edit and a button.
class PropertyAccess : public testing::Test {
protected:
    void SetUp() override
    {
        label = new TLabel(&form, &form);
        label->SetCaption(QStringLiteral("制表日期"));
        check = new TCheckBox(&form, &form);
        edit = new TEdit(&form, &form);
        button = new TButton(&form, &form);
    }

    TForm form;
    TLabel *label = nullptr;
    TCheckBox *check = nullptr;
    TEdit *edit = nullptr;
    TButton *button = nullptr;
    Handlers handlers;
};

TEST_F(PropertyAccess, HasPropByName)
{
    struct Case {
        const char *what;
        QObject *component;
        const char *name;
        bool expected;
    } cases[] = {
        {"label Color", label, "Color", true},
        {"label DataSource", label, "DataSource", false},
        {"case does not matter", label, "cOLOR", true},
        {"empty name", label, "", false},
        {"no component", nullptr, "Color", false},
        {"Qt's own names are not published", label, "objectName", false},
        {"edit ImeName", edit, "ImeName", true},
        {"label has no ImeName", label, "ImeName", false},
        {"event property", button, "OnClick", true},
    };
    for (const Case &c : cases)
        EXPECT_EQ(HasPropByName(c.component, QString::fromUtf8(c.name)), c.expected) << c.what;
}

TEST_F(PropertyAccess, GetOrdPropByName)
{
    edit->SetColor(0xAFFFFF);
    edit->SetAlign(alClient);
    check->SetChecked(false);
    EXPECT_EQ(GetOrdPropByName(check, QStringLiteral("Checked")), 0);
    check->SetChecked(true);

    struct Case {
        const char *what;
        QObject *component;
        const char *name;
        int expected;
    } cases[] = {
        {"check box Checked", check, "Checked", 1},
        {"check box State", check, "state", int(cbChecked)},
        {"colour", edit, "Color", 0xAFFFFF},
        {"enumeration", edit, "Align", int(alClient)},
        {"Boolean", edit, "Enabled", 1},
        {"integer", edit, "Width", edit->Width()},
        {"string property is not ordinal", label, "Caption", 0},
        {"missing property", label, "DataSource", 0},
        {"empty name", label, "", 0},
        {"no component", nullptr, "Checked", 0},
    };
    for (const Case &c : cases)
        EXPECT_EQ(GetOrdPropByName(c.component, QString::fromUtf8(c.name)), c.expected) << c.what;
}

TEST_F(PropertyAccess, SetOrdPropByNameUsesTheSetter)
{
    check->SetOnClick(MethodOf(&handlers, "chkClick"));
    SetOrdPropByName(check, QStringLiteral("CHECKED"), 1);
    EXPECT_TRUE(check->Checked());
    EXPECT_EQ(handlers.clicks, 1); // the setter's own notification

    SetOrdPropByName(edit, QStringLiteral("Color"), 0xAFFFFF);
    EXPECT_EQ(edit->Color(), 0xAFFFFF);
    EXPECT_EQ(edit->palette().color(QPalette::Base), QColor(0xFF, 0xFF, 0xAF)); // repainted

    SetOrdPropByName(edit, QStringLiteral("Align"), int(alBottom));
    EXPECT_EQ(edit->Align(), alBottom);

    const QString caption = label->Caption();
    SetOrdPropByName(label, QStringLiteral("Caption"), 5);     // no conversion
    SetOrdPropByName(label, QStringLiteral("DataSource"), 5);  // missing
    SetOrdPropByName(nullptr, QStringLiteral("Checked"), 1);   // no component
    SetOrdPropByName(check, QString(), 0);                      // empty name
    EXPECT_EQ(label->Caption(), caption);
    EXPECT_TRUE(check->Checked());
}

TEST_F(PropertyAccess, GetAndSetStrPropByName)
{
    SetStrPropByName(edit, QStringLiteral("text"), QStringLiteral("2024/01/15"));
    EXPECT_EQ(edit->Text(), QStringLiteral("2024/01/15"));
    SetStrPropByName(button, QStringLiteral("Hint"), QStringLiteral("确定"));
    EXPECT_EQ(GetStrPropByName(button, QStringLiteral("HINT")), QStringLiteral("确定"));
    EXPECT_EQ(GetStrPropByName(label, QStringLiteral("Caption")), QStringLiteral("制表日期"));
    EXPECT_EQ(GetStrPropByName(edit, QStringLiteral("Width")), QString()); // not a string
    EXPECT_EQ(GetStrPropByName(edit, QStringLiteral("NoSuchText")), QString());
    EXPECT_EQ(GetStrPropByName(nullptr, QStringLiteral("Text")), QString());
}

TEST_F(PropertyAccess, SetStrPropByNameWithAnUnknownNameChangesNothing)
{
    auto snapshot = [](const QObject *object) {
        QStringList values;
        const QMetaObject *meta = object->metaObject();
        for (int i = 0; i < meta->propertyCount(); ++i) {
            const QMetaProperty p = meta->property(i);
            if (p.metaType().id() == QMetaType::QString || p.metaType().id() == QMetaType::Int)
                values.append(QString::fromLatin1(p.name()) + '=' + p.read(object).toString());
        }
        return values;
    };
    edit->SetText(QStringLiteral("keep"));
    const QStringList before = snapshot(edit);
    SetStrPropByName(edit, QStringLiteral("NoSuchProperty"), QStringLiteral("x"));
    SetStrPropByName(edit, QStringLiteral("Width"), QStringLiteral("99")); // not a string
    SetStrPropByName(edit, QString(), QStringLiteral("x"));
    SetStrPropByName(nullptr, QStringLiteral("Text"), QStringLiteral("x"));
    EXPECT_EQ(snapshot(edit), before);
}

TEST_F(PropertyAccess, OnClickReadEmptyAndWrittenBackStaysEmpty)
{
    const TMethod none = GetMethodPropByName(button, QStringLiteral("OnClick"));
    EXPECT_EQ(none.Code, -1);
    EXPECT_EQ(none.Data, nullptr);
    SetMethodPropByName(button, QStringLiteral("OnClick"), none);
    EXPECT_FALSE(button->OnClick().assigned());
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(handlers.clicks, 0);
}

TEST_F(PropertyAccess, MethodWrittenByNameActsAsAnAssignment)
{
    const TMethod handler = MethodOf(&handlers, "chkClick");
    SetMethodPropByName(button, QStringLiteral("onclick"), handler);
    EXPECT_EQ(button->OnClick(), handler);
    EXPECT_EQ(GetMethodPropByName(button, QStringLiteral("OnClick")), handler);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(handlers.clicks, 1);

    // Saved and given back, as the forms hook and unhook handlers.
    const TMethod saved = GetMethodPropByName(button, QStringLiteral("OnClick"));
    SetMethodPropByName(button, QStringLiteral("OnClick"), TMethod{});
    SetMethodPropByName(button, QStringLiteral("OnClick"), saved);
    EXPECT_EQ(button->OnClick(), handler);

    SetMethodPropByName(button, QStringLiteral("Caption"), handler); // not an event
    EXPECT_FALSE(GetMethodPropByName(button, QStringLiteral("Caption")).assigned());
    EXPECT_FALSE(GetMethodPropByName(nullptr, QStringLiteral("OnClick")).assigned());
    EXPECT_FALSE(GetMethodPropByName(label, QStringLiteral("OnEnter")).assigned()); // labels have none
}

} // namespace

#include "tst_librtti.moc"
