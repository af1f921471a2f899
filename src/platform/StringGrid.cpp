#include "StringGrid.h"

#include "VirtualKeys.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>

TStringGrid::TStringGrid(QObject *owner, QWidget *parent) : QTableWidget(parent), ControlLink(this, owner)
{
    initColor(clWindow);
    SetTabStop(true);
    resize(320, 120);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    horizontalHeader()->setDefaultSectionSize(m_defaultColWidth);
    verticalHeader()->setDefaultSectionSize(m_defaultRowHeight);
    setColumnCount(5);
    setRowCount(5);
    styleFixedCells();
    connect(this, &QTableWidget::currentCellChanged, this, [this](int row, int col, int oldRow, int oldCol) {
        if (m_styling || row < 0 || col < 0)
            return;
        bool canSelect = row >= m_fixedRows && col >= m_fixedCols;
        if (canSelect) {
            QObject *sender = this;
            bool *result = &canSelect;
            ktr::platform::invokeHandler(m_onSelectCell, {"QObject*", "int", "int", "bool*"},
                                         {&sender, &col, &row, &result});
        }
        if (!canSelect && oldRow >= 0 && oldCol >= 0) {
            m_styling = true;
            setCurrentCell(oldRow, oldCol);
            m_styling = false;
        }
    });
}

TStringGrid::~TStringGrid() = default;

bool TStringGrid::WantsKey(quint16 virtualKey) const
{
    return virtualKey == VK_TAB && m_tabsMoveCells;
}

void TStringGrid::SetColCount(int count)
{
    setColumnCount(std::max(count, m_fixedCols + 1));
    styleFixedCells();
}

void TStringGrid::SetRowCount(int count)
{
    setRowCount(std::max(count, m_fixedRows + 1));
    styleFixedCells();
}

void TStringGrid::SetFixedCols(int count)
{
    m_fixedCols = std::clamp(count, 0, std::max(0, columnCount() - 1));
    styleFixedCells();
}

void TStringGrid::SetFixedRows(int count)
{
    m_fixedRows = std::clamp(count, 0, std::max(0, rowCount() - 1));
    styleFixedCells();
}

void TStringGrid::SetCol(int col)
{
    setCurrentCell(std::max(0, currentRow()), col);
}

void TStringGrid::SetRow(int row)
{
    setCurrentCell(row, std::max(0, currentColumn()));
}

void TStringGrid::SetDefaultColWidth(int width)
{
    m_defaultColWidth = width;
    horizontalHeader()->setDefaultSectionSize(width);
}

void TStringGrid::SetDefaultRowHeight(int height)
{
    m_defaultRowHeight = height;
    verticalHeader()->setDefaultSectionSize(height);
}

void TStringGrid::SetEditing(bool value)
{
    m_editing = value;
    setEditTriggers(value ? QAbstractItemView::AllEditTriggers : QAbstractItemView::NoEditTriggers);
}

QTableWidgetItem *TStringGrid::cell(int col, int row)
{
    QTableWidgetItem *cellItem = item(row, col);
    if (!cellItem) {
        cellItem = new QTableWidgetItem;
        setItem(row, col, cellItem); // the table owns the item
    }
    return cellItem;
}

QString TStringGrid::Cells(int col, int row) const
{
    const QTableWidgetItem *cellItem = item(row, col);
    return cellItem ? cellItem->text() : QString();
}

void TStringGrid::SetCells(int col, int row, const QString &text)
{
    if (col < 0 || row < 0 || col >= columnCount() || row >= rowCount())
        return;
    cell(col, row)->setText(text);
}

QStringList TStringGrid::Rows(int row) const
{
    QStringList texts;
    for (int col = 0; col < columnCount(); ++col)
        texts.append(Cells(col, row));
    return texts;
}

QStringList TStringGrid::Cols(int col) const
{
    QStringList texts;
    for (int row = 0; row < rowCount(); ++row)
        texts.append(Cells(col, row));
    return texts;
}

void TStringGrid::styleFixedCells()
{
    m_styling = true;
    const QBrush face = QApplication::palette().button();
    for (int row = 0; row < rowCount(); ++row) {
        for (int col = 0; col < columnCount(); ++col) {
            const bool fixed = row < m_fixedRows || col < m_fixedCols;
            QTableWidgetItem *cellItem = item(row, col);
            if (!fixed && !cellItem)
                continue;
            cellItem = cell(col, row);
            Qt::ItemFlags flags = Qt::ItemIsEnabled;
            if (!fixed)
                flags |= Qt::ItemIsSelectable | Qt::ItemIsEditable;
            cellItem->setFlags(flags);
            cellItem->setBackground(fixed ? face : QBrush());
        }
    }
    if ((currentRow() < m_fixedRows || currentColumn() < m_fixedCols) && rowCount() > m_fixedRows
        && columnCount() > m_fixedCols)
        setCurrentCell(m_fixedRows, m_fixedCols);
    m_styling = false;
}

void TStringGrid::keyPressEvent(QKeyEvent *event)
{
    if (m_tabsMoveCells && (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab)) {
        const bool back = event->key() == Qt::Key_Backtab;
        int col = Col() + (back ? -1 : 1);
        int row = Row();
        if (col >= ColCount()) {
            col = m_fixedCols;
            row = std::min(row + 1, RowCount() - 1);
        } else if (col < m_fixedCols) {
            col = ColCount() - 1;
            row = std::max(row - 1, m_fixedRows);
        }
        setCurrentCell(row, col);
        event->accept();
        return;
    }
    QTableWidget::keyPressEvent(event);
}
