#include "PanelFixture.h"

#include <QFontMetrics>

namespace {

using ::PrintTo;

int right(const ktr::platform::ControlLink *control)
{
    return control->Left() + control->Width();
}

int bottom(const ktr::platform::ControlLink *control)
{
    return control->Top() + control->Height();
}

// Position of a child in its parent's stacking order (higher is in front).
int stackPosition(const QWidget *child)
{
    return int(child->parentWidget()->children().indexOf(const_cast<QWidget *>(child)));
}

struct LayoutCase {
    std::string name;
    TSelectStyle style;
    bool userChoice;
    bool useVertical;
    bool canOpenWin;
    QSize size;
};

class Layout : public PanelTest, public testing::WithParamInterface<LayoutCase> {
protected:
    void SetUp() override
    {
        const LayoutCase &c = GetParam();
        panel->SetStyle(sp_UserChoice);
        panel->SetUserChoice(c.userChoice);
        panel->SetStyle(c.style);
        panel->SetUseVertical(c.useVertical);
        panel->SetCanOpenWin(c.canOpenWin);
        panel->SetBounds(10, 10, c.size.width(), c.size.height());
    }

    int captionHeight() const { return QFontMetrics(panel->font()).height(); }

    // Begin and end each on their own line, sharing the lines' columns.
    void checkVerticalRange()
    {
        const int hr = panel->pnlRange->Height();
        const int wr = panel->pnlRange->Width();
        const int g = (hr - 2 * panel->edBegin->Height()) / 3;
        EXPECT_EQ(panel->lblBegin->Caption(), QStringLiteral("起"));
        EXPECT_EQ(panel->lblBegin->geometry().topLeft(), QPoint(2, g));
        EXPECT_EQ(panel->edBegin->geometry().topLeft(), QPoint(right(panel->lblBegin) + 2, g));
        EXPECT_EQ(panel->lblFinal->geometry().topLeft(), QPoint(2, 2 * g + panel->edBegin->Height()));
        EXPECT_EQ(panel->edFinal->geometry(),
                  QRect(panel->edBegin->Left(), panel->lblFinal->Top(), panel->edBegin->Width(),
                        panel->edBegin->Height()));
        if (GetParam().canOpenWin) {
            EXPECT_EQ(panel->btnBegin->geometry().topLeft(), QPoint(right(panel->edBegin) + 1, g));
            EXPECT_EQ(panel->btnFinal->geometry().topLeft(),
                      QPoint(panel->btnBegin->Left(), panel->lblFinal->Top()));
            EXPECT_EQ(right(panel->btnBegin), wr - 1);
        } else {
            EXPECT_EQ(right(panel->edBegin), wr);
        }
    }

    // The list fills its area but for the button column at the right.
    void checkList()
    {
        const int wl = panel->pnlList->Width();
        EXPECT_EQ(panel->ListBox->geometry(),
                  QRect(0, 0, wl - panel->btnList->Width() - 3, panel->pnlList->Height()));
        EXPECT_EQ(panel->btnList->geometry().topLeft(), QPoint(panel->ListBox->Width() + 2, 0));
        EXPECT_EQ(panel->btnDelete->geometry().topLeft(), QPoint(panel->btnList->Left(), 23));
        EXPECT_EQ(panel->btnClear->geometry().topLeft(), QPoint(panel->btnList->Left(), 46));
    }
};

TEST_P(Layout, PlacesAreasAndFields)
{
    const LayoutCase &c = GetParam();
    const int w = c.size.width();
    const int h = c.size.height();
    const int caption = captionHeight();
    if (c.style == sp_UserChoice) {
        EXPECT_EQ(panel->chkChoice->geometry().topLeft(), QPoint(16, caption + 1));
        const int top = panel->chkChoice->Top() + QFontMetrics(panel->chkChoice->font()).height() + 2;
        for (TPanel *area : {panel->pnlRange, panel->pnlList})
            EXPECT_EQ(area->geometry(), QRect(2, top, w - 4, h - top - 2)) << area->Name().toStdString();
        checkVerticalRange();
        checkList();
        return;
    }
    for (TPanel *area : {panel->pnlRange, panel->pnlList})
        EXPECT_EQ(area->geometry(), QRect(2, caption + 3, w - 4, h - caption - 5))
            << area->Name().toStdString();
    if (c.style == sp_Discrete) {
        checkList();
        return;
    }
    if (c.useVertical) {
        checkVerticalRange();
        return;
    }
    // One line: label, edit, button for each end; the edits equally wide.
    const int t = (panel->pnlRange->Height() - panel->edBegin->Height()) / 2;
    EXPECT_EQ(panel->lblBegin->geometry().topLeft(), QPoint(2, t));
    EXPECT_EQ(panel->edBegin->geometry().topLeft(), QPoint(right(panel->lblBegin) + 1, t));
    EXPECT_EQ(panel->edFinal->Width(), panel->edBegin->Width());
    EXPECT_EQ(panel->edFinal->Top(), t);
    const int wr = panel->pnlRange->Width();
    if (c.canOpenWin) {
        EXPECT_EQ(panel->btnBegin->Left(), right(panel->edBegin) + 2);
        EXPECT_EQ(panel->lblFinal->Left(), right(panel->btnBegin) + 2);
        EXPECT_EQ(panel->edFinal->Left(), right(panel->lblFinal) + 2);
        EXPECT_EQ(panel->btnFinal->Left(), right(panel->edFinal) + 2);
        EXPECT_EQ(panel->btnFinal->Top(), t);
        // What integer division leaves over stays at the right edge: one or two pixels.
        EXPECT_GE(right(panel->btnFinal), wr - 2);
        EXPECT_LE(right(panel->btnFinal), wr - 1);
    } else {
        EXPECT_EQ(panel->lblFinal->Left(), right(panel->edBegin) + 4);
        EXPECT_EQ(panel->edFinal->Left(), right(panel->lblFinal) + 2);
        // Without buttons the end edit may reach one pixel past the area.
        EXPECT_GE(right(panel->edFinal), wr);
        EXPECT_LE(right(panel->edFinal), wr + 1);
    }
}

INSTANTIATE_TEST_SUITE_P(
    SelectPanel, Layout,
    testing::Values(LayoutCase{"HorizontalWithButtons", sp_Range, true, false, true, {353, 45}},
                    LayoutCase{"HorizontalWithoutButtons", sp_Range, true, false, false, {353, 45}},
                    LayoutCase{"HorizontalOddWidth", sp_Range, true, false, true, {300, 50}},
                    LayoutCase{"VerticalWithButtons", sp_Range, true, true, true, {162, 115}},
                    LayoutCase{"VerticalWithoutButtons", sp_Range, true, true, false, {162, 115}},
                    LayoutCase{"DiscreteList", sp_Discrete, true, false, true, {169, 115}},
                    LayoutCase{"DiscreteWithoutLookup", sp_Discrete, true, false, false, {169, 115}},
                    LayoutCase{"UserChoiceRange", sp_UserChoice, true, false, true, {163, 115}},
                    LayoutCase{"UserChoiceList", sp_UserChoice, false, false, true, {163, 115}}),
    caseName<LayoutCase>);

TEST_F(PanelTest, FrontAreaIsStackedOnTop)
{
    // No style assigned yet: both areas show, the range in front.
    EXPECT_TRUE(panel->pnlRange->isVisible());
    EXPECT_TRUE(panel->pnlList->isVisible());
    EXPECT_GT(stackPosition(panel->pnlRange), stackPosition(panel->pnlList));

    panel->SetStyle(sp_Discrete);
    EXPECT_GT(stackPosition(panel->pnlList), stackPosition(panel->pnlRange));
    panel->SetStyle(sp_UserChoice);
    EXPECT_GT(stackPosition(panel->chkChoice), stackPosition(panel->pnlList));
    EXPECT_GT(stackPosition(panel->pnlRange), stackPosition(panel->pnlList));
}

TEST_F(PanelTest, ResizeAndFontChangeLayOutAgain)
{
    panel->SetStyle(sp_Discrete);
    panel->SetWidth(250);
    EXPECT_EQ(panel->pnlList->Width(), 246);
    EXPECT_EQ(right(panel->btnList), 246 - 1);

    QFont larger = panel->font();
    larger.setPixelSize(24);
    panel->SetFont(larger);
    EXPECT_EQ(panel->pnlList->Top(), QFontMetrics(larger).height() + 3);
    EXPECT_EQ(bottom(panel->pnlList), panel->Height() - 2);
}

} // namespace
