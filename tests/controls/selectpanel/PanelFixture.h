#pragma once

#include "SelectPnl.h"
#include "TestSupport.h"

#include <QStringList>

#include <optional>
#include <ostream>
#include <string>

// Table rows print as their names in failure messages. Each test file brings this into its
// own namespace (using ::PrintTo) so that GoogleTest finds it for the rows declared there.
template <typename Case>
    requires requires(const Case &row) { std::string(row.name); }
void PrintTo(const Case &row, std::ostream *out)
{
    *out << row.name;
}

// Records the selection panel's own events as readable lines, and answers the events that
// ask something back as configured.
class PanelEvents : public QObject {
    Q_OBJECT
public:
    QStringList log;
    bool acceptStyle = true;
    std::optional<TSelectStyle> replaceStyle; // StyleChanging puts this into NewStyle
    bool acceptDelete = true;
    TSelectPanel *panel = nullptr;

    // Binds every handler below to the panel's events of the same name.
    void bindTo(TSelectPanel *target);

public slots:
    void StyleChanging(QObject *Sender, TSelectStyle NowStyle, TSelectStyle *NewStyle,
                       bool *Accept);
    void StyleChange(QObject *Sender, TSelectStyle OldStyle, TSelectStyle NewStyle);
    void TypeClick(QObject *Sender);
    void OpenWinClick(QObject *SenderParent, QObject *Sender);
    void DeleteClick(QObject *Sender, bool *Accept);
    void ClearClick(QObject *Sender);
    void Click(QObject *Sender);
    void DblClick(QObject *Sender);
    void MouseDown(QObject *Sender, TMouseButton Button, int Shift, int X, int Y);
    void MouseUp(QObject *Sender, TMouseButton Button, int Shift, int X, int Y);
    void KeyDown(QObject *Sender, quint16 *Key, int Shift);
    void KeyPress(QObject *Sender, QChar *Key);
    void Exit(QObject *Sender);
    void ItemSelect(QObject *Sender, TListItem *xItem, int xIndex, bool xIsSelect);
    void ItemChange(QObject *Sender, TListItem *Item, TItemChange Change);
};

// A shown form holding one selection panel ("sp01") and an edit beside it that takes the
// focus away from the panel. The form answers lookup requests (WM_OPENWIN) by writing
// lookupAnswer into the target: an edit's text, or one row of the list.
class PanelTest : public testing::Test {
protected:
    PanelTest();
    ~PanelTest() override;

    // Moves the focus into the panel's control, then out of the panel.
    void enterAndLeave(ktr::platform::ControlLink *inside);
    // The list's rows as "caption/sub1/sub2" texts.
    QStringList rowTexts() const;
    static void addRows(TSelectPanel *panel, const QList<QStringList> &rows);

    TForm form;
    TSelectPanel *panel = nullptr;
    TEdit *other = nullptr;
    PanelEvents events;
    QList<QObject *> lookupTargets;
    QString lookupAnswer = QStringLiteral("C001");
};

QString styleName(TSelectStyle style);
