#include "KtSpin.h"
#include "LookupForm.h"

#include <QLineEdit>
#include <QTest>

namespace {

// Notes the text at every change notification.
class ChangeTexts : public QObject {
    Q_OBJECT
public:
    QStringList texts;
public slots:
    void Change(QObject *Sender) { texts.append(qobject_cast<TKtSpinEdit *>(Sender)->Text()); }
};

// One step of the user: typed text, or a key.
struct Step {
    QString text;
    Qt::Key key = Qt::Key_unknown;
};

Step type(const char *text) { return {QString::fromLatin1(text)}; }
Step press(Qt::Key key) { return {QString(), key}; }

struct TypingCase {
    std::string name;
    std::vector<Step> steps;
    QString expected;
    QStringList changes;
};

class SpinTyping : public testing::TestWithParam<TypingCase> {};

TEST_P(SpinTyping, StraySignsAreCutOff)
{
    TForm form;
    ChangeTexts changes;
    auto *spin = new TKtSpinEdit(&form, &form);
    showActive(&form);
    spin->SetFocus();
    spin->SetText(QString());
    spin->SetOnChange(MethodOf(&changes, "Change"));
    for (const Step &step : GetParam().steps) {
        if (!step.text.isEmpty())
            QTest::keyClicks(spin, step.text);
        else
            QTest::keyClick(spin, step.key);
    }
    EXPECT_EQ(spin->Text(), GetParam().expected);
    EXPECT_EQ(changes.texts, GetParam().changes);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, SpinTyping,
    testing::Values(
        TypingCase{"trailingPlus", {type("12+")}, "12", {"1", "12", "12"}},
        TypingCase{"plusInTheMiddle", {type("12"), press(Qt::Key_Home), press(Qt::Key_Right), type("+")}, "1", {"1", "12", "1"}},
        TypingCase{"leadingMinusStays", {type("-5")}, "-5", {"-", "-5"}},
        TypingCase{"trailingMinus", {type("5-")}, "5", {"5", "5"}},
        TypingCase{"leadingPlusStays", {type("+7")}, "+7", {"+", "+7"}},
        TypingCase{"signPutInFront", {type("12"), press(Qt::Key_Home), type("-")}, "-12", {"1", "12", "-12"}},
        TypingCase{"clearedRaisesNothing", {type("4"), press(Qt::Key_Backspace)}, "", {"4"}},
        TypingCase{"blankRaisesNothing", {type(" ")}, " ", {}}),
    caseName<TypingCase>);

struct TextCase {
    std::string name;
    QString text;
    QString expected;
    QStringList changes;
};

class SpinText : public testing::TestWithParam<TextCase> {};

TEST_P(SpinText, SetTextRunsTheSameRule)
{
    ChangeTexts changes;
    TKtSpinEdit spin;
    spin.SetOnChange(MethodOf(&changes, "Change"));
    spin.SetText(GetParam().text);
    EXPECT_EQ(spin.Text(), GetParam().expected);
    EXPECT_EQ(changes.texts, GetParam().changes);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SpinText,
    testing::Values(TextCase{"plusAfterFirst", "1+2", "1", {"1"}},
                    TextCase{"minusAfterFirst", "12-34", "12", {"12"}},
                    TextCase{"bothSigns", "-3+4-", "-3", {"-3"}},
                    TextCase{"leadingSign", "-42", "-42", {"-42"}},
                    TextCase{"empty", "", "", {}}),
    caseName<TextCase>);

} // namespace

#include "tst_ktspin.moc"
