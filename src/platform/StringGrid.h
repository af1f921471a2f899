#pragma once

#include "Control.h"
#include "ktrplatform_global.h"

#include <QTableWidget>

// A grid of texts. The first FixedRows rows and FixedCols columns are headings (button
// face, not selectable or editable). Col/Row is the current cell. Options: goEditing lets
// the user edit cells; goTabs makes Tab move between cells instead of leaving the grid.
class KTRPLATFORM_EXPORT TStringGrid : public QTableWidget, public ktr::platform::ControlLink {
    Q_OBJECT
    KTR_WINCONTROL_PROPERTIES
    Q_PROPERTY(int ColCount READ ColCount WRITE SetColCount)
    Q_PROPERTY(int RowCount READ RowCount WRITE SetRowCount)
    Q_PROPERTY(int FixedCols READ FixedCols WRITE SetFixedCols)
    Q_PROPERTY(int FixedRows READ FixedRows WRITE SetFixedRows)
    Q_PROPERTY(int Col READ Col WRITE SetCol)
    Q_PROPERTY(int Row READ Row WRITE SetRow)
    Q_PROPERTY(int DefaultColWidth READ DefaultColWidth WRITE SetDefaultColWidth)
    Q_PROPERTY(int DefaultRowHeight READ DefaultRowHeight WRITE SetDefaultRowHeight)
    Q_PROPERTY(bool Editing READ Editing WRITE SetEditing)
    Q_PROPERTY(bool TabsMoveCells READ TabsMoveCells WRITE SetTabsMoveCells)
    Q_PROPERTY(TMethod OnSelectCell READ OnSelectCell WRITE SetOnSelectCell)
public:
    explicit TStringGrid(QObject *owner = nullptr, QWidget *parent = nullptr);
    ~TStringGrid() override;

    QPalette::ColorRole ColorRole() const override { return QPalette::Base; }
    bool WantsKey(quint16 virtualKey) const override;

    int ColCount() const { return columnCount(); }
    void SetColCount(int count);
    int RowCount() const { return rowCount(); }
    void SetRowCount(int count);
    int FixedCols() const { return m_fixedCols; }
    void SetFixedCols(int count);
    int FixedRows() const { return m_fixedRows; }
    void SetFixedRows(int count);
    int Col() const { return currentColumn(); }
    void SetCol(int col);
    int Row() const { return currentRow(); }
    void SetRow(int row);
    int DefaultColWidth() const { return m_defaultColWidth; }
    void SetDefaultColWidth(int width);
    int DefaultRowHeight() const { return m_defaultRowHeight; }
    void SetDefaultRowHeight(int height);
    int ColWidths(int col) const { return columnWidth(col); }
    void SetColWidths(int col, int width) { setColumnWidth(col, width); }
    int RowHeights(int row) const { return rowHeight(row); }
    void SetRowHeights(int row, int height) { setRowHeight(row, height); }
    bool Editing() const { return m_editing; }
    void SetEditing(bool value);
    bool TabsMoveCells() const { return m_tabsMoveCells; }
    void SetTabsMoveCells(bool value) { m_tabsMoveCells = value; }

    QString Cells(int col, int row) const;
    void SetCells(int col, int row, const QString &text);
    QStringList Rows(int row) const;
    QStringList Cols(int col) const;

    // Asked before the current cell moves: void h(QObject *Sender, int ACol, int ARow,
    // bool *CanSelect).
    TMethod OnSelectCell() const { return m_onSelectCell; }
    void SetOnSelectCell(const TMethod &m) { m_onSelectCell = m; }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void styleFixedCells();
    QTableWidgetItem *cell(int col, int row);

    int m_fixedCols = 1;
    int m_fixedRows = 1;
    int m_defaultColWidth = 64;
    int m_defaultRowHeight = 24;
    bool m_editing = false;
    bool m_tabsMoveCells = false;
    bool m_styling = false;
    TMethod m_onSelectCell;
};
