#include "SelectPnl.h"

#include <QFontMetrics>

// Positions of the panel's children. All divisions truncate toward zero.

namespace {

int textHeight(const QWidget *widget)
{
    return QFontMetrics(widget->font()).height();
}

int textWidth(const QWidget *widget, const QString &text)
{
    return QFontMetrics(widget->font()).horizontalAdvance(text);
}

// Entry 1 labels the vertical arrangement; a list left with one entry uses that one.
QString verticalWord(const QStringList &words)
{
    return words.size() >= 2 ? words[1] : words.value(0);
}

void place(ktr::platform::ControlLink *control, int left, int top)
{
    control->SetBounds(left, top, control->Width(), control->Height());
}

int right(const ktr::platform::ControlLink *control)
{
    return control->Left() + control->Width();
}

} // namespace

void TSelectPanel::layOut()
{
    layOut(m_style);
}

void TSelectPanel::layOut(TSelectStyle style)
{
    if (!m_constructed)
        return;
    sizeChoiceBox();
    switch (style) {
    case sp_Range:
        chkChoice->Hide();
        placeAreas(pnlRange, pnlList);
        if (m_useVertical)
            arrangeRangeVertically();
        else
            arrangeRangeHorizontally();
        break;
    case sp_Discrete:
        chkChoice->Hide();
        placeAreas(pnlList, pnlRange);
        arrangeList();
        break;
    case sp_UserChoice:
        chkChoice->Show();
        placeUserChoice();
        arrangeRangeVertically();
        arrangeList();
        break;
    }
}

void TSelectPanel::sizeChoiceBox()
{
    chkChoice->SetBounds(chkChoice->Left(), chkChoice->Top(),
                         textWidth(chkChoice, chkChoice->Caption()) + 24,
                         textHeight(chkChoice) + 2);
}

// Both areas take the room below the caption; the front one is the one seen.
void TSelectPanel::placeAreas(TPanel *front, TPanel *back)
{
    front->BringToFront();
    back->SendToBack();
    chkChoice->SendToBack();
    const int h = textHeight(this);
    const int border = front->BorderWidth();
    const int top = h + 3;
    for (TPanel *area : {front, back})
        area->SetBounds(2, top, Width() - 2 - border - 2, Height() - top - border - 2);
}

// The check box below the caption, the active area below the check box.
void TSelectPanel::placeUserChoice()
{
    chkChoice->BringToFront();
    place(chkChoice, 16, textHeight(this) + 1);
    TPanel *active = m_userChoice ? pnlRange : pnlList;
    TPanel *other = m_userChoice ? pnlList : pnlRange;
    active->BringToFront();
    other->SendToBack();
    const int top = chkChoice->Top() + textHeight(chkChoice) + 2;
    for (TPanel *area : {active, other})
        area->SetBounds(2, top, Width() - 4, Height() - top - 2);
}

// Label, edit and button of each end on one line.
void TSelectPanel::arrangeRangeHorizontally()
{
    lblBegin->SetCaption(m_beginWords.value(0));
    lblFinal->SetCaption(m_finalWords.value(0));
    lblBegin->AdjustBounds();
    lblFinal->AdjustBounds();
    const int wr = pnlRange->Width();
    const int t = (pnlRange->Height() - edBegin->Height()) / 2;
    const int labelsAndMargins = wr - lblBegin->Width() - 2 - lblFinal->Width();

    place(lblBegin, 2, t);
    const int width = m_canOpenWin
        ? ((labelsAndMargins - btnBegin->Width() - btnFinal->Width() - 8) / 2) - 1
        : ((labelsAndMargins - 4) / 2) - 1;
    edBegin->SetBounds(right(lblBegin) + 1, t, width, edBegin->Height());
    if (m_canOpenWin) {
        place(btnBegin, right(edBegin) + 2, t);
        place(lblFinal, right(btnBegin) + 2, t);
    } else {
        place(lblFinal, right(edBegin) + 4, t);
    }
    edFinal->SetBounds(right(lblFinal) + 2, t, edBegin->Width(), edFinal->Height());
    if (m_canOpenWin)
        place(btnFinal, right(edFinal) + 2, t);
}

// Begin on the first line, end on the second, the gaps equal.
void TSelectPanel::arrangeRangeVertically()
{
    lblBegin->SetCaption(verticalWord(m_beginWords));
    lblFinal->SetCaption(verticalWord(m_finalWords));
    lblBegin->AdjustBounds();
    lblFinal->AdjustBounds();
    const int wr = pnlRange->Width();
    const int g = (pnlRange->Height() - edBegin->Height() - edFinal->Height()) / 3;

    place(lblBegin, 2, g);
    const int width = m_canOpenWin ? wr - 2 - lblBegin->Width() - btnBegin->Width() - 4
                                   : wr - 2 - lblBegin->Width() - 2;
    edBegin->SetBounds(right(lblBegin) + 2, g, width, edBegin->Height());
    if (m_canOpenWin)
        place(btnBegin, right(edBegin) + 1, g);
    place(lblFinal, lblBegin->Left(), 2 * g + edBegin->Height());
    edFinal->SetBounds(edBegin->Left(), lblFinal->Top(), edBegin->Width(), edFinal->Height());
    if (m_canOpenWin)
        place(btnFinal, btnBegin->Left(), lblFinal->Top());
}

// The list fills the area but for a column of buttons at its right; the room for btnList
// stays even while the lookup buttons are hidden.
void TSelectPanel::arrangeList()
{
    const int wl = pnlList->Width();
    ListBox->SetBounds(ListBox->Left(), 0, wl - ListBox->Left() - btnList->Width() - 3,
                       pnlList->Height());
    place(btnList, ListBox->Width() + 2, ListBox->Top());
    place(btnDelete, btnList->Left(), btnList->Top() + btnList->Height());
    place(btnClear, btnList->Left(), btnDelete->Top() + btnDelete->Height());
}
