#include "SelectPnl.h"

#include <QEvent>

#include <exception>

namespace {

// Where each ChildHints entry goes, by index.
QList<ktr::platform::ControlLink *> hintTargets(const TSelectPanel &panel)
{
    return {panel.chkChoice, panel.edBegin,   panel.btnBegin,  panel.edFinal, panel.btnFinal,
            panel.ListBox,   panel.btnList,   panel.btnDelete, panel.btnClear};
}

template <class T>
T *named(T *control, const char *name)
{
    control->SetName(QLatin1String(name));
    return control;
}

// Gives every control inside `container`, at any depth, the enabled state.
void enableControlsIn(QWidget *container, bool enabled)
{
    for (QObject *child : container->children()) {
        if (ktr::platform::ControlLink *control = ktr::platform::controlOf(child)) {
            control->SetEnabled(enabled);
            enableControlsIn(control->widget(), enabled);
        }
    }
}

} // namespace

TSelectPanel::TSelectPanel(QObject *owner, QWidget *parent)
    : TGroupBox(owner, parent),
      chkChoice(named(new TQuilCheckBox(this, this), "chkChoice")),
      pnlRange(named(new TPanel(this, this), "pnlRange")),
      lblBegin(named(new TLabel(this, pnlRange), "lblBegin")),
      edBegin(named(new TQuilMaskEdit(this, pnlRange), "edBegin")),
      btnBegin(named(new TF2Button(this, pnlRange), "btnBegin")),
      lblFinal(named(new TLabel(this, pnlRange), "lblFinal")),
      edFinal(named(new TQuilMaskEdit(this, pnlRange), "edFinal")),
      btnFinal(named(new TF2Button(this, pnlRange), "btnFinal")),
      pnlList(named(new TPanel(this, this), "pnlList")),
      btnList(named(new TF2Button(this, pnlList), "btnList")),
      btnDelete(named(new TGSpeedButton(this, pnlList), "btnDelete")),
      btnClear(named(new TGSpeedButton(this, pnlList), "btnClear")),
      ListBox(named(new TQuilListView(this, pnlList), "ListBox")),
      m_hintWord(QStringLiteral("区间选择")),
      m_beginWords{QStringLiteral("起"), QStringLiteral("起")},
      m_finalWords{QStringLiteral("止"), QStringLiteral("止")},
      m_childHints{QStringLiteral("用户自定输入方式"),     QStringLiteral("区间选择-起始信息"),
                   QStringLiteral("区间选择-起始信息开窗"), QStringLiteral("区间选择-截止信息"),
                   QStringLiteral("区间选择-截止信息开窗"), QStringLiteral("多选-己选择的信息"),
                   QStringLiteral("多选-信息开窗"),         QStringLiteral("多选-删除一笔信息"),
                   QStringLiteral("多选-删除己选信息")}
{
    // The panel can hold the focus itself (a group box would hand it to its first child).
    setFocusPolicy(Qt::ClickFocus);
    resize(353, 45);

    chkChoice->SetBounds(16, 17, chkChoice->Width(), chkChoice->Height());
    chkChoice->SetCaption(m_hintWord);
    // Checked like UserChoice, so that a panel switched to sp_UserChoice starts consistent.
    chkChoice->SetClicksDisabled(true);
    chkChoice->SetChecked(m_userChoice);
    chkChoice->SetClicksDisabled(false);

    for (TPanel *area : {pnlRange, pnlList}) {
        area->SetBevelOuter(bvNone);
        area->SetBevelInner(bvNone);
        area->SetCaption(QStringLiteral(" "));
    }
    for (TLabel *label : {lblBegin, lblFinal})
        label->SetAutoSize(true);

    edBegin->SetHeight(24);
    edFinal->SetHeight(edBegin->Height());

    for (TF2Button *button : {btnBegin, btnFinal, btnList}) {
        button->SetFlat(true);
        button->SetBounds(button->Left(), button->Top(), 23, 23);
        button->SetNumGlyphs(1);
        button->SetGlyphIndex(m_glyphIndex);
    }
    btnList->SetAutoAlign(false);

    btnDelete->SetFlat(true);
    btnDelete->SetBounds(btnDelete->Left(), btnDelete->Top(), 23, 23);
    btnDelete->SetNumGlyphs(1);
    btnDelete->SetGlyphIndex(47);
    btnClear->SetFlat(true);
    btnClear->SetBounds(btnClear->Left(), btnClear->Top(), 23, 23);
    btnClear->SetNumGlyphs(2);
    btnClear->SetGlyphIndex(4);

    ListBox->SetViewStyle(vsReport);
    ListBox->SetMultiSelect(true);
    ListBox->SetRowSelect(true);
    ListBox->SetReadOnly(true);
    ListBox->SetShowColumnHeaders(false);
    ListBox->SetSortType(stNone);
    ListBox->SetHideSelection(false);
    ListBox->setCursor(Qt::PointingHandCursor);

    bindChildEvents();
    m_constructed = true;
}

TSelectPanel::~TSelectPanel() = default;

// Style and mode.

void TSelectPanel::SetStyle(TSelectStyle style)
{
    const TSelectStyle current = m_style;
    TSelectStyle next = style;
    bool accept = true;
    {
        QObject *sender = this;
        TSelectStyle now = current;
        TSelectStyle *nextPtr = &next;
        bool *acceptPtr = &accept;
        ktr::platform::invokeHandler(m_onStyleChanging,
                                     {"QObject*", "TSelectStyle", "TSelectStyle*", "bool*"},
                                     {&sender, &now, &nextPtr, &acceptPtr});
    }
    if (!accept)
        return;
    applyVisibility(next);
    // A range strip and a list box differ in shape; a vertical range is already list-shaped.
    if (next != current && (next == sp_Range || current == sp_Range) && !m_useVertical)
        swapSize();
    layOut(next);
    {
        QObject *sender = this;
        TSelectStyle old = current;
        ktr::platform::invokeHandler(m_onStyleChange, {"QObject*", "TSelectStyle", "TSelectStyle"},
                                     {&sender, &old, &next});
    }
    m_style = next;
}

void TSelectPanel::applyVisibility(TSelectStyle style)
{
    chkChoice->SetVisible(style == sp_UserChoice);
    const bool range = style == sp_Range
        || (style == sp_UserChoice && chkChoice->Visible() && chkChoice->Checked());
    pnlRange->SetVisible(range);
    pnlList->SetVisible(!range);
}

void TSelectPanel::SetUserChoice(bool value)
{
    if (m_style != sp_UserChoice)
        return;
    chkChoice->SetClicksDisabled(true);
    chkChoice->SetChecked(value);
    chkChoice->SetClicksDisabled(false);
    toggleMode();
}

void TSelectPanel::chkChoiceClick(QObject *)
{
    toggleMode();
}

void TSelectPanel::toggleMode()
{
    if (m_style != sp_UserChoice)
        return;
    m_userChoice = chkChoice->Checked();
    placeUserChoice();
    applyVisibility(sp_UserChoice);
    CallNotify(m_onTypeClick, this);
}

bool TSelectPanel::IsRangeActive() const
{
    return m_style == sp_Range || (m_style == sp_UserChoice && chkChoice->Checked());
}

void TSelectPanel::swapSize()
{
    if (m_loading)
        return;
    const int width = Width();
    const int height = Height();
    SetBounds(Left(), Top(), m_otherWidth, m_otherHeight);
    m_otherWidth = width;
    m_otherHeight = height;
}

void TSelectPanel::SetUseVertical(bool value)
{
    if (m_style != sp_Range || value == m_useVertical)
        return;
    m_useVertical = value;
    swapSize();
    layOut();
}

// Words, hints and mask.

void TSelectPanel::SetHintWord(const QString &word)
{
    m_hintWord = word;
    chkChoice->SetCaption(word);
    sizeChoiceBox();
}

namespace {

// The first two entries of words; empty words change nothing else.
bool takeWords(QStringList &target, const QStringList &words)
{
    target = words.mid(0, 2);
    return !target.isEmpty();
}

QString shownWord(const QStringList &words, TSelectStyle style)
{
    return style == sp_UserChoice && words.size() >= 2 ? words[1] : words.value(0);
}

} // namespace

void TSelectPanel::SetBeginWords(const QStringList &words)
{
    if (!takeWords(m_beginWords, words))
        return;
    lblBegin->SetCaption(shownWord(m_beginWords, m_style));
    layOut();
}

void TSelectPanel::SetFinalWords(const QStringList &words)
{
    if (!takeWords(m_finalWords, words))
        return;
    lblFinal->SetCaption(shownWord(m_finalWords, m_style));
    layOut();
}

void TSelectPanel::SetChildHints(const QStringList &hints)
{
    m_childHints = hints;
    const QList<ktr::platform::ControlLink *> targets = hintTargets(*this);
    for (qsizetype i = 0; i < hints.size() && i < targets.size(); ++i)
        targets[i]->SetHint(hints[i]);
}

// The blank text is what an empty edBegin shows under the new mask; edBegin keeps its text
// without raising a change, edFinal's text is what the new mask makes of it.
void TSelectPanel::SetEditMask(const QString &mask)
{
    m_editMask = mask;
    const QString kept = edBegin->Text();
    edBegin->SetSuppressChange(true);
    edBegin->SetText(QString());
    edBegin->SetEditMask(mask);
    edFinal->SetEditMask(mask);
    m_blankText = edBegin->Text();
    edBegin->SetText(kept);
    edBegin->SetSuppressChange(false);
}

// Buttons.

void TSelectPanel::SetCanOpenWin(bool value)
{
    if (value == m_canOpenWin)
        return;
    m_canOpenWin = value;
    for (TF2Button *button : {btnBegin, btnFinal, btnList})
        button->SetVisible(value);
    layOut();
}

void TSelectPanel::SetGlyphIndex(int index)
{
    if (index == m_glyphIndex)
        return;
    try {
        btnBegin->SetGlyphIndex(index);
        btnFinal->SetGlyphIndex(btnBegin->GlyphIndex());
        btnList->SetGlyphIndex(btnBegin->GlyphIndex());
        m_glyphIndex = index;
    } catch (const std::exception &) {
        for (TF2Button *button : {btnBegin, btnFinal, btnList})
            button->SetGlyphIndex(0);
    }
}

// The list.

void TSelectPanel::SetCheckDuplicate(TCheckDuplicate mode)
{
    if (mode != cd_None)
        SetSortListBox(true);
    m_checkDuplicate = mode;
    ListBox->SetCheckDuplicate(mode);
    if (!IsRangeActive())
        ListBox->RemoveDuplicates();
}

void TSelectPanel::SetSortListBox(bool value)
{
    m_sortListBox = value;
    ListBox->SetSortType(value ? stText : stNone);
}

QList<QStringList> TSelectPanel::Items() const
{
    return ListBox->Rows();
}

void TSelectPanel::SetItems(const QList<QStringList> &rows)
{
    ListBox->SetRows(rows);
}

QVariantList TSelectPanel::Columns() const
{
    QVariantList columns;
    for (int i = 0; i < ListBox->Columns().Count(); ++i) {
        const TListColumn *column = ListBox->Columns().Items(i);
        columns.append(QVariantMap{{QStringLiteral("Caption"), column->Caption()},
                                   {QStringLiteral("Width"), column->Width()}});
    }
    return columns;
}

void TSelectPanel::SetColumns(const QVariantList &columns)
{
    ListBox->Columns().Clear();
    for (const QVariant &entry : columns) {
        const QVariantMap settings = entry.toMap();
        TListColumn *column = ListBox->Columns().Add();
        column->SetCaption(settings.value(QStringLiteral("Caption")).toString());
        if (settings.contains(QStringLiteral("Width")))
            column->SetWidth(settings.value(QStringLiteral("Width")).toInt());
    }
}

QStringList TSelectPanel::ColumnCaptions() const
{
    QStringList captions;
    for (int i = 0; i < ListBox->Columns().Count(); ++i)
        captions.append(ListBox->Columns().Items(i)->Caption());
    return captions;
}

// Each new column is as wide as the widest of its caption and its texts in the rows.
void TSelectPanel::SetColumnCaptions(const QStringList &captions)
{
    ListBox->Columns().Clear();
    for (const QString &caption : captions) {
        TListColumn *column = ListBox->Columns().Add();
        column->SetCaption(caption);
        const int k = column->Index();
        int widest = ListBox->StringWidth(caption);
        for (int i = 0; i < ListBox->Items().Count(); ++i) {
            const TListItem *item = ListBox->Items().Item(i);
            const QString text = k == 0 ? item->Caption() : item->SubItems().Strings(k - 1);
            widest = std::max(widest, ListBox->StringWidth(text));
        }
        column->SetWidth(widest + ListBox->StringWidth(QStringLiteral("WW")));
    }
}

bool TSelectPanel::ColumnsAutoSize() const { return ListBox->ColumnsAutoSize(); }
void TSelectPanel::SetColumnsAutoSize(bool value) { ListBox->SetColumnsAutoSize(value); }
bool TSelectPanel::ShowColumnHeader() const { return ListBox->ShowColumnHeaders(); }
void TSelectPanel::SetShowColumnHeader(bool value) { ListBox->SetShowColumnHeaders(value); }
bool TSelectPanel::HideSelection() const { return ListBox->HideSelection(); }
void TSelectPanel::SetHideSelection(bool value) { ListBox->SetHideSelection(value); }

// Focus and enabled state.

void TSelectPanel::SetFocus()
{
    TGroupBox::SetFocus();
    if (!IsRangeActive())
        ListBox->SetFocus();
}

void TSelectPanel::SetEnabled(bool enabled)
{
    TGroupBox::SetEnabled(enabled);
    enableControlsIn(this, enabled);
}

// Size and font.

void TSelectPanel::SetBounds(int left, int top, int width, int height)
{
    const QSize before = size();
    TGroupBox::SetBounds(left, top, width, height);
    // A hidden panel gets Qt's resize event only when shown; lay it out now.
    if (size() != before)
        layOut();
}

void TSelectPanel::Resize()
{
    layOut();
    TGroupBox::Resize();
}

void TSelectPanel::changeEvent(QEvent *event)
{
    TGroupBox::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        layOut();
}
