#pragma once

#include "SelectPnlList.h"
#include "SelectPnlParts.h"
#include "SelectPnlTypes.h"

#include "F2Button.h"
#include "GSpdBtn.h"

#include "GroupBox.h"
#include "Label.h"
#include "Panel.h"

#include <QStringList>
#include <QVariant>

#include <stdexcept>

namespace ktr::controls {

// Raised by SetSaveValue when the row list of a saved value cannot be put into the list.
class SaveValueError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace ktr::controls

// The control that takes one selection condition: a range (edBegin, edFinal) or a list of
// discrete values (ListBox), as Style says, or the user's choice between the two
// (chkChoice). Each value field has a lookup button that asks the owning form to open its
// lookup window (WM_OPENWIN). When the focus leaves the panel, the two range ends are
// trimmed and put in order according to ValueType.
//
// The children are owned by the panel and named as below; the form code reaches them
// through the public members (sp03->edBegin->SetMaxLength(10)).
//
// Events, besides the group box's own (handler signatures):
//   OnOpenWinClick  void h(QObject *SenderParent, QObject *Sender)   after a lookup request
//   OnDeleteClick   void h(QObject *Sender, bool *Accept)            before btnDelete deletes
//   OnClearClick    void h(QObject *Sender)                          after btnClear cleared
//   OnTypeClick     void h(QObject *Sender)                          after the mode changed
//   OnStyleChanging void h(QObject *Sender, TSelectStyle NowStyle, TSelectStyle *NewStyle,
//                          bool *Accept)                             before a style change
//   OnStyleChange   void h(QObject *Sender, TSelectStyle OldStyle, TSelectStyle NewStyle)
//                                               after it, while Style still reads the old one
//   OnItemSelect    void h(QObject *Sender, TListItem *xItem, int xIndex, bool xIsSelect)
//   OnItemChange    void h(QObject *Sender, TListItem *Item, TItemChange Change)
//   OnItemChanging  void h(QObject *Sender, TListItem *Item, TItemChange Change,
//                          bool *AllowChange)
// The children's clicks, double clicks and mouse buttons raise the panel's OnClick,
// OnDblClick, OnMouseDown and OnMouseUp: with the child as sender for edBegin, edFinal and
// ListBox, else with the panel as sender and the position in the panel's coordinates. Keys
// in chkChoice, edBegin, edFinal and ListBox raise the panel's key events with the child as
// sender. OnExit follows the ordering of the range ends.
class TSelectPanel : public TGroupBox {
    Q_OBJECT
    Q_PROPERTY(ktr::controls::types::TSelectStyle Style READ Style WRITE SetStyle)
    Q_PROPERTY(bool UserChoice READ UserChoice WRITE SetUserChoice)
    Q_PROPERTY(QString HintWord READ HintWord WRITE SetHintWord)
    Q_PROPERTY(QStringList BeginWords READ BeginWords WRITE SetBeginWords)
    Q_PROPERTY(QStringList FinalWords READ FinalWords WRITE SetFinalWords)
    Q_PROPERTY(QStringList ChildHints READ ChildHints WRITE SetChildHints)
    Q_PROPERTY(ktr::controls::types::TValueType ValueType READ ValueType WRITE SetValueType)
    Q_PROPERTY(QString EditMask READ EditMask WRITE SetEditMask)
    Q_PROPERTY(ktr::controls::types::TDateType DateType READ DateType WRITE SetDateType)
    Q_PROPERTY(QString DateSign READ DateSign WRITE SetDateSign)
    Q_PROPERTY(bool AutoChangeDateSite READ AutoChangeDateSite WRITE SetAutoChangeDateSite)
    Q_PROPERTY(bool UseDiscard READ UseDiscard WRITE SetUseDiscard)
    Q_PROPERTY(QString Discard READ Discard WRITE SetDiscard)
    Q_PROPERTY(bool CanOpenWin READ CanOpenWin WRITE SetCanOpenWin)
    Q_PROPERTY(int GlyphIndex READ GlyphIndex WRITE SetGlyphIndex)
    Q_PROPERTY(bool UseVertical READ UseVertical WRITE SetUseVertical)
    Q_PROPERTY(int OtherWidth READ OtherWidth WRITE SetOtherWidth)
    Q_PROPERTY(int OtherHeight READ OtherHeight WRITE SetOtherHeight)
    Q_PROPERTY(ktr::controls::types::TCheckDuplicate CheckDuplicate READ CheckDuplicate
                   WRITE SetCheckDuplicate)
    Q_PROPERTY(bool SortListBox READ SortListBox WRITE SetSortListBox)
    Q_PROPERTY(QList<QStringList> Items READ Items WRITE SetItems)
    Q_PROPERTY(QVariantList Columns READ Columns WRITE SetColumns)
    Q_PROPERTY(QStringList ColumnCaptions READ ColumnCaptions WRITE SetColumnCaptions)
    Q_PROPERTY(bool ColumnsAutoSize READ ColumnsAutoSize WRITE SetColumnsAutoSize)
    Q_PROPERTY(bool ShowColumnHeader READ ShowColumnHeader WRITE SetShowColumnHeader)
    Q_PROPERTY(bool HideSelection READ HideSelection WRITE SetHideSelection)
    Q_PROPERTY(TMethod OnOpenWinClick READ OnOpenWinClick WRITE SetOnOpenWinClick)
    Q_PROPERTY(TMethod OnDeleteClick READ OnDeleteClick WRITE SetOnDeleteClick)
    Q_PROPERTY(TMethod OnClearClick READ OnClearClick WRITE SetOnClearClick)
    Q_PROPERTY(TMethod OnTypeClick READ OnTypeClick WRITE SetOnTypeClick)
    Q_PROPERTY(TMethod OnStyleChanging READ OnStyleChanging WRITE SetOnStyleChanging)
    Q_PROPERTY(TMethod OnStyleChange READ OnStyleChange WRITE SetOnStyleChange)
    Q_PROPERTY(TMethod OnItemSelect READ OnItemSelect WRITE SetOnItemSelect)
    Q_PROPERTY(TMethod OnItemChange READ OnItemChange WRITE SetOnItemChange)
    Q_PROPERTY(TMethod OnItemChanging READ OnItemChanging WRITE SetOnItemChanging)
public:
    using TDateType = ktr::controls::types::TDateType;

    explicit TSelectPanel(QObject *owner = nullptr, QWidget *parent = nullptr);
    ~TSelectPanel() override;

    // The children, in the order of ChildHints where they have a hint.
    TQuilCheckBox *const chkChoice;
    TPanel *const pnlRange;
    TLabel *const lblBegin;
    TQuilMaskEdit *const edBegin;
    TF2Button *const btnBegin;
    TLabel *const lblFinal;
    TQuilMaskEdit *const edFinal;
    TF2Button *const btnFinal;
    TPanel *const pnlList;
    TF2Button *const btnList;
    TGSpeedButton *const btnDelete;
    TGSpeedButton *const btnClear;
    TQuilListView *const ListBox;

    TSelectStyle Style() const { return m_style; }
    void SetStyle(TSelectStyle style);
    bool UserChoice() const { return m_userChoice; }
    void SetUserChoice(bool value);
    // Range input: Style sp_Range, or sp_UserChoice with chkChoice checked.
    bool IsRangeActive() const;

    QString HintWord() const { return m_hintWord; }
    void SetHintWord(const QString &word);
    QStringList BeginWords() const { return m_beginWords; }
    void SetBeginWords(const QStringList &words);
    QStringList FinalWords() const { return m_finalWords; }
    void SetFinalWords(const QStringList &words);
    QStringList ChildHints() const { return m_childHints; }
    void SetChildHints(const QStringList &hints);

    TValueType ValueType() const { return m_valueType; }
    void SetValueType(TValueType type) { m_valueType = type; }
    QString EditMask() const { return m_editMask; }
    void SetEditMask(const QString &mask);
    // The text an empty edBegin shows under the current edit mask.
    QString BlankText() const { return m_blankText; }
    TDateType DateType() const { return m_dateType; }
    void SetDateType(TDateType type) { m_dateType = type; }
    QString DateSign() const { return m_dateSign; }
    void SetDateSign(const QString &sign) { m_dateSign = sign; }
    bool AutoChangeDateSite() const { return m_autoChangeDateSite; }
    void SetAutoChangeDateSite(bool value) { m_autoChangeDateSite = value; }
    bool UseDiscard() const { return m_useDiscard; }
    void SetUseDiscard(bool value) { m_useDiscard = value; }
    QString Discard() const { return m_discard; }
    void SetDiscard(const QString &text) { m_discard = text; }

    bool CanOpenWin() const { return m_canOpenWin; }
    void SetCanOpenWin(bool value);
    int GlyphIndex() const { return m_glyphIndex; }
    void SetGlyphIndex(int index);
    bool UseVertical() const { return m_useVertical; }
    void SetUseVertical(bool value);
    int OtherWidth() const { return m_otherWidth; }
    void SetOtherWidth(int width) { m_otherWidth = width; }
    int OtherHeight() const { return m_otherHeight; }
    void SetOtherHeight(int height) { m_otherHeight = height; }

    TCheckDuplicate CheckDuplicate() const { return m_checkDuplicate; }
    void SetCheckDuplicate(TCheckDuplicate mode);
    bool SortListBox() const { return m_sortListBox; }
    void SetSortListBox(bool value);
    // ListBox's rows (caption, then sub-items) and columns ({"Caption", "Width"} maps).
    QList<QStringList> Items() const;
    void SetItems(const QList<QStringList> &rows);
    QVariantList Columns() const;
    void SetColumns(const QVariantList &columns);
    QStringList ColumnCaptions() const;
    void SetColumnCaptions(const QStringList &captions);
    bool ColumnsAutoSize() const;
    void SetColumnsAutoSize(bool value);
    bool ShowColumnHeader() const;
    void SetShowColumnHeader(bool value);
    bool HideSelection() const;
    void SetHideSelection(bool value);

    // The value as one text (fields separated by chr(3)): the style name, then the two edit
    // texts, or the rows (columns separated by chr(1), each row ended by chr(4)); a
    // user-choice panel puts "True" or "False" before them.
    QString GetSaveValue() const;
    // Puts such a text back into the edits or the list, leaving Style as it is. Raises
    // ktr::controls::SaveValueError("parse spSaveValue error") when the rows of an
    // "sp_Discrete" text cannot be added.
    void SetSaveValue(const QString &value);

    // Focuses the panel, then ListBox when the list is the active input.
    void SetFocus() override;
    // Enables or disables the panel and every control inside it.
    void SetEnabled(bool enabled) override;
    void SetBounds(int left, int top, int width, int height) override;

    // Applies the properties of a form description: the control's own (bounds, caption,
    // ...) first, then the panel's in the order of the form file (BeginWords ...
    // ValueType), Style before UserChoice. The sizes given are final: no size swap happens
    // meanwhile. Returns the names that are no property of the panel.
    QStringList LoadProperties(const QVariantMap &description);
    bool Loading() const { return m_loading; }

    TMethod OnOpenWinClick() const { return m_onOpenWinClick; }
    void SetOnOpenWinClick(const TMethod &m) { m_onOpenWinClick = m; }
    TMethod OnDeleteClick() const { return m_onDeleteClick; }
    void SetOnDeleteClick(const TMethod &m) { m_onDeleteClick = m; }
    TMethod OnClearClick() const { return m_onClearClick; }
    void SetOnClearClick(const TMethod &m) { m_onClearClick = m; }
    TMethod OnTypeClick() const { return m_onTypeClick; }
    void SetOnTypeClick(const TMethod &m) { m_onTypeClick = m; }
    TMethod OnStyleChanging() const { return m_onStyleChanging; }
    void SetOnStyleChanging(const TMethod &m) { m_onStyleChanging = m; }
    TMethod OnStyleChange() const { return m_onStyleChange; }
    void SetOnStyleChange(const TMethod &m) { m_onStyleChange = m; }
    TMethod OnItemSelect() const { return m_onItemSelect; }
    void SetOnItemSelect(const TMethod &m) { m_onItemSelect = m; }
    TMethod OnItemChange() const { return m_onItemChange; }
    void SetOnItemChange(const TMethod &m) { m_onItemChange = m; }
    TMethod OnItemChanging() const { return m_onItemChanging; }
    void SetOnItemChanging(const TMethod &m) { m_onItemChanging = m; }
    // Whether a handler of OnItemSelect, OnItemChange or OnItemChanging is assigned.
    bool ListensToItems() const;

    void DoExit() override;
    void Resize() override;

protected:
    void changeEvent(QEvent *event) override;

private slots:
    // Handlers bound to the children's events.
    void chkChoiceClick(QObject *Sender);
    void lookupButtonClick(QObject *Sender);
    void btnDeleteClick(QObject *Sender);
    void btnClearClick(QObject *Sender);
    void childClick(QObject *Sender);
    void childDblClick(QObject *Sender);
    void childMouseDown(QObject *Sender, TMouseButton Button, int Shift, int X, int Y);
    void childMouseUp(QObject *Sender, TMouseButton Button, int Shift, int X, int Y);
    void childKeyDown(QObject *Sender, quint16 *Key, int Shift);
    void childKeyUp(QObject *Sender, quint16 *Key, int Shift);
    void childKeyPress(QObject *Sender, QChar *Key);

private:
    // ListBox's notifications, with ListBox as sender.
    friend class TQuilListView;
    void raiseItemSelect(TListItem *item, bool selected);
    void raiseItemChange(TListItem *item, TItemChange change);
    void raiseItemChanging(TListItem *item, TItemChange change, bool &allow);

    void bindChildEvents();
    void applyVisibility(TSelectStyle style);
    void toggleMode();
    void swapSize();
    bool fillList(const QString &rows);
    QString rowListText() const;
    void orderRangeEnds();

    // Layout (SelectPnlLayout.cpp).
    void layOut();
    void layOut(TSelectStyle style);
    void sizeChoiceBox();
    void placeAreas(TPanel *front, TPanel *back);
    void placeUserChoice();
    void arrangeRangeHorizontally();
    void arrangeRangeVertically();
    void arrangeList();

    TSelectStyle m_style = sp_Range;
    bool m_userChoice = true;
    QString m_hintWord;
    QStringList m_beginWords;
    QStringList m_finalWords;
    QStringList m_childHints;
    TValueType m_valueType = vt_String;
    QString m_editMask;
    QString m_blankText;
    TDateType m_dateType = ktr::controls::types::dt_NoneCare;
    QString m_dateSign = QStringLiteral("/");
    bool m_autoChangeDateSite = true;
    bool m_useDiscard = false;
    QString m_discard;
    bool m_canOpenWin = true;
    int m_glyphIndex = 8;
    bool m_useVertical = false;
    int m_otherWidth = 200;
    int m_otherHeight = 105;
    TCheckDuplicate m_checkDuplicate = cd_None;
    bool m_sortListBox = false;
    bool m_loading = false;
    bool m_constructed = false; // no layout before the children are set up
    TMethod m_onOpenWinClick, m_onDeleteClick, m_onClearClick, m_onTypeClick,
        m_onStyleChanging, m_onStyleChange, m_onItemSelect, m_onItemChange, m_onItemChanging;
};
