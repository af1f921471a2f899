#include "DBEdit.h"
#include "DBLabel.h"
#include "DataSource.h"
#include "LookupForm.h"

#include <QVariant>

namespace {

TEST(DBLabel, StartsAsAnAttachedLabelOnTheLeft)
{
    TDBLabel label;
    EXPECT_EQ(label.Caption(), QStringLiteral("挂靠标签"));
    EXPECT_EQ(label.FocusControl(), nullptr);
    EXPECT_TRUE(label.AutoAlign());
    EXPECT_TRUE(label.AutoCaption());
    EXPECT_EQ(label.Gap(), 4);
    EXPECT_EQ(label.Pos(), psLeft);
}

TEST(DBLabel, PosIsWrittenByName)
{
    TDBLabel label;
    const QMetaProperty pos = label.metaObject()->property(label.metaObject()->indexOfProperty("Pos"));
    ASSERT_TRUE(pos.isEnumType());
    EXPECT_STREQ(pos.enumerator().valueToKey(psBottom), "psBottom");
    EXPECT_TRUE(pos.write(&label, pos.enumerator().keyToValue("psTop")));
    EXPECT_EQ(label.Pos(), psTop);
}

struct PlaceCase {
    std::string name;
    TPos pos;
    int gap;
    QSize label;
    QRect control;
    QPoint expected;
};

class DBLabelPlace : public testing::TestWithParam<PlaceCase> {};

TEST_P(DBLabelPlace, BesideItsControl)
{
    TForm form;
    auto *edit = new TEdit(&form, &form);
    const QRect c = GetParam().control;
    edit->SetBounds(c.x(), c.y(), c.width(), c.height());
    auto *label = new TDBLabel(&form, &form);
    label->SetAutoSize(false);
    label->SetBounds(300, 300, GetParam().label.width(), GetParam().label.height());
    label->SetPos(GetParam().pos);
    label->SetGap(GetParam().gap);
    label->SetFocusControl(edit);
    EXPECT_EQ(label->BoundsRect().topLeft(), GetParam().expected);
    EXPECT_EQ(label->BoundsRect().size(), GetParam().label);
    EXPECT_EQ(label->FocusControl(), edit);
}

INSTANTIATE_TEST_SUITE_P(
    Sides, DBLabelPlace,
    testing::Values(
        PlaceCase{"leftCentred", psLeft, 4, {52, 13}, {100, 8, 80, 21}, {44, 12}},
        PlaceCase{"leftClampedAtZero", psLeft, 4, {52, 13}, {30, 8, 80, 21}, {0, 12}},
        PlaceCase{"leftSameHeightKeepsTop", psLeft, 4, {52, 21}, {100, 8, 80, 21}, {44, 8}},
        PlaceCase{"leftCentredAboveTopClamped", psLeft, 4, {52, 30}, {100, 2, 80, 21}, {44, 0}},
        PlaceCase{"top", psTop, 4, {52, 13}, {50, 40, 80, 21}, {50, 23}},
        PlaceCase{"topClampedAtZero", psTop, 4, {52, 13}, {50, 5, 80, 21}, {50, 0}},
        PlaceCase{"right", psRight, 4, {52, 13}, {100, 8, 80, 21}, {184, 12}},
        PlaceCase{"rightGapZero", psRight, 0, {52, 13}, {100, 8, 80, 21}, {180, 12}},
        PlaceCase{"bottom", psBottom, 4, {52, 13}, {100, 8, 80, 21}, {100, 33}},
        PlaceCase{"oddHeightsTruncate", psLeft, 4, {52, 13}, {100, 8, 80, 22}, {44, 13}}),
    caseName<PlaceCase>);

// A data set that knows the display labels of its fields.
class FieldLabels : public QObject {
    Q_OBJECT
public:
    Q_INVOKABLE QVariant FieldDisplayLabel(const QString &fieldName) const
    {
        return fieldName.compare(QStringLiteral("NoteID"), Qt::CaseInsensitive) == 0
            ? QVariant(QStringLiteral("页脚编号"))
            : QVariant();
    }
};

// A control with a data source of some other kind.
class OddSource : public TEdit {
    Q_OBJECT
    Q_PROPERTY(QString DataSource READ DataSource)
public:
    using TEdit::TEdit;
    QString DataSource() const { return QStringLiteral("not an object"); }
};

struct CaptionCase {
    std::string name;
    std::function<QWidget *(TForm &, TDataSource &)> control;
    bool autoCaption;
    QString expected;
};

class DBLabelCaption : public testing::TestWithParam<CaptionCase> {};

TEST_P(DBLabelCaption, TakenFromTheFieldOfADataAwareControl)
{
    TForm form;
    FieldLabels dataSet;
    TDataSource source(&form);
    source.SetDataSet(&dataSet);
    QWidget *control = GetParam().control(form, source);
    auto *label = new TDBLabel(&form, &form);
    label->SetCaption(QStringLiteral("编号"));
    label->SetAutoCaption(GetParam().autoCaption);
    label->SetFocusControl(control);
    EXPECT_EQ(label->Caption(), GetParam().expected);
}

TDBEdit *dbEdit(TForm &form, TDataSource *source, const char *field)
{
    auto *edit = new TDBEdit(&form, &form);
    edit->SetDataSource(source);
    edit->SetDataField(QString::fromLatin1(field));
    return edit;
}

INSTANTIATE_TEST_SUITE_P(
    Controls, DBLabelCaption,
    testing::Values(
        CaptionCase{"fieldLabel", [](TForm &f, TDataSource &s) { return dbEdit(f, &s, "NoteID"); }, true, "页脚编号"},
        CaptionCase{"autoCaptionOff", [](TForm &f, TDataSource &s) { return dbEdit(f, &s, "NoteID"); }, false, "编号"},
        CaptionCase{"unknownField", [](TForm &f, TDataSource &s) { return dbEdit(f, &s, "Missing"); }, true, "编号"},
        CaptionCase{"noDataSource", [](TForm &f, TDataSource &) { return dbEdit(f, nullptr, "NoteID"); }, true, "编号"},
        CaptionCase{"sourceWithoutDataSet", [](TForm &f, TDataSource &s) { s.SetDataSet(nullptr); return dbEdit(f, &s, "NoteID"); }, true, "编号"},
        CaptionCase{"plainEdit", [](TForm &f, TDataSource &) { return new TEdit(&f, &f); }, true, "编号"},
        CaptionCase{"dataSourceOfAnotherKind", [](TForm &f, TDataSource &) { return new OddSource(&f, &f); }, true, "编号"}),
    caseName<CaptionCase>);

TEST(DBLabel, WithoutAutoAlignTheCaptionChangesButNotThePlace)
{
    TForm form;
    FieldLabels dataSet;
    TDataSource source(&form);
    source.SetDataSet(&dataSet);
    TDBEdit *edit = dbEdit(form, &source, "NoteID");
    edit->SetBounds(53, 12, 65, 21);
    auto *label = new TDBLabel(&form, &form);
    label->SetBounds(22, 16, 26, 13);
    label->SetAutoAlign(false);
    label->SetFocusControl(edit);
    EXPECT_EQ(label->Caption(), QStringLiteral("页脚编号"));
    EXPECT_EQ(label->BoundsRect().topLeft(), QPoint(22, 16));
}

TEST(DBLabel, FollowsOnlyWhenItsOwnPropertiesAreSet)
{
    TForm form;
    auto *edit = new TEdit(&form, &form);
    edit->SetBounds(100, 8, 80, 21);
    auto *label = new TDBLabel(&form, &form);
    label->SetAutoSize(false);
    label->SetBounds(0, 0, 52, 13);
    label->SetFocusControl(edit);
    ASSERT_EQ(label->BoundsRect().topLeft(), QPoint(44, 12));

    edit->SetBounds(200, 40, 80, 21);
    EXPECT_EQ(label->BoundsRect().topLeft(), QPoint(44, 12)) << "moving the control";
    label->SetPos(psLeft);
    EXPECT_EQ(label->BoundsRect().topLeft(), QPoint(44, 12)) << "the same side again";
    label->SetGap(4);
    EXPECT_EQ(label->BoundsRect().topLeft(), QPoint(44, 12)) << "the same gap again";
    label->SetAutoCaption(true);
    EXPECT_EQ(label->BoundsRect().topLeft(), QPoint(144, 44)) << "AutoCaption assigned";
    label->SetPos(psBottom);
    EXPECT_EQ(label->BoundsRect().topLeft(), QPoint(200, 65)) << "a new side";
    label->SetFocusControl(nullptr);
    EXPECT_EQ(label->FocusControl(), nullptr);
    EXPECT_EQ(label->BoundsRect().topLeft(), QPoint(200, 65)) << "clearing does not move";
}

TEST(DBLabel, SecondLabelOnTheSameControlIsRefused)
{
    AnsweredMessages messages;
    TForm form;
    auto *panel = new TPanel(&form, &form);
    auto *edit = new TEdit(&form, panel);
    edit->SetBounds(100, 8, 80, 21);
    auto *first = new TDBLabel(panel, panel);
    auto *second = new TDBLabel(panel, panel);
    second->SetBounds(3, 60, second->Width(), second->Height());

    first->SetFocusControl(edit);
    second->SetFocusControl(edit);
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("不能同时有两个 DBLabel 指到同一个 Control.")});
    ASSERT_EQ(messages.messages().size(), 1);
    EXPECT_EQ(messages.messages()[0].type, mtError);
    EXPECT_EQ(messages.messages()[0].buttons, TMsgDlgButtons(mbOK));
    EXPECT_EQ(second->FocusControl(), nullptr);
    EXPECT_EQ(second->BoundsRect().topLeft(), QPoint(3, 60));
    EXPECT_EQ(first->FocusControl(), edit);

    first->SetFocusControl(edit);
    EXPECT_EQ(messages.texts().size(), 1) << "re-assigning its own control is silent";
}

TEST(DBLabel, ForgetsAControlThatIsFreed)
{
    TForm form;
    auto *edit = new TEdit(&form, &form);
    auto *label = new TDBLabel(&form, &form);
    label->SetFocusControl(edit);
    ktr::platform::Free(edit);
    EXPECT_EQ(label->FocusControl(), nullptr);
    label->SetGap(9); // refreshes without a control
    EXPECT_EQ(label->Gap(), 9);
}

} // namespace

#include "tst_dblabel.moc"
