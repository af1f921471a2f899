#include "LookupDialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <set>

namespace ktr::workcenter {

TLookupDialog::TLookupDialog(const QString &title, const QStringList &headers,
                             const std::vector<QStringList> &rows, bool multiSelect, Language language,
                             QWidget *parent)
    : QDialog(parent), m_filter(new QLineEdit(this)), m_table(new QTableWidget(this))
{
    setObjectName(QStringLiteral("frmLookup"));
    setWindowTitle(title);
    resize(560, 420);

    m_filter->setObjectName(QStringLiteral("edFilter"));
    m_filter->setClearButtonEnabled(true);
    auto *filterLabel = new QLabel(QString::fromUtf8(pickText(language, "查找:", "查找:", "Find:")), this);
    filterLabel->setBuddy(m_filter);

    m_table->setObjectName(QStringLiteral("grdRows"));
    m_table->setColumnCount(int(headers.size()));
    m_table->setHorizontalHeaderLabels(headers);
    m_table->setRowCount(int(rows.size()));
    for (int r = 0; r < int(rows.size()); ++r)
        for (int c = 0; c < int(headers.size()) && c < int(rows[std::size_t(r)].size()); ++c)
            m_table->setItem(r, c, new QTableWidgetItem(rows[std::size_t(r)][c]));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(multiSelect ? QAbstractItemView::ExtendedSelection
                                          : QAbstractItemView::SingleSelection);
    m_table->verticalHeader()->setVisible(false);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->resizeColumnsToContents();

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton *ok = buttons->button(QDialogButtonBox::Ok);
    QPushButton *cancel = buttons->button(QDialogButtonBox::Cancel);
    ok->setObjectName(QStringLiteral("btnOk"));
    ok->setText(QString::fromUtf8(pickText(language, "确定", "確定", "OK")));
    cancel->setObjectName(QStringLiteral("btnCancel"));
    cancel->setText(QString::fromUtf8(pickText(language, "取消", "取消", "Cancel")));

    auto *filterRow = new QHBoxLayout;
    filterRow->addWidget(filterLabel);
    filterRow->addWidget(m_filter);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(filterRow);
    layout->addWidget(m_table);
    layout->addWidget(buttons);

    connect(m_filter, &QLineEdit::textChanged, this, &TLookupDialog::applyFilter);
    connect(m_table, &QTableWidget::cellDoubleClicked, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    m_filter->setFocus();
}

void TLookupDialog::applyFilter(const QString &text)
{
    const QString needle = text.trimmed();
    for (int r = 0; r < m_table->rowCount(); ++r) {
        bool shown = needle.isEmpty();
        for (int c = 0; c < m_table->columnCount() && !shown; ++c)
            if (const QTableWidgetItem *item = m_table->item(r, c))
                shown = item->text().contains(needle, Qt::CaseInsensitive);
        m_table->setRowHidden(r, !shown);
    }
}

void TLookupDialog::preselect(const QString &text)
{
    const QString wanted = text.trimmed();
    if (wanted.isEmpty())
        return;
    int found = -1;
    for (int r = 0; r < m_table->rowCount() && found < 0; ++r)
        if (m_table->item(r, 0) && m_table->item(r, 0)->text() == wanted)
            found = r;
    for (int r = 0; r < m_table->rowCount() && found < 0; ++r)
        if (m_table->item(r, 0) && m_table->item(r, 0)->text().startsWith(wanted, Qt::CaseInsensitive))
            found = r;
    if (found >= 0) {
        m_table->selectRow(found);
        m_table->scrollToItem(m_table->item(found, 0));
    }
}

std::vector<int> TLookupDialog::chosenRows() const
{
    std::set<int> rows;
    for (const QModelIndex &index : m_table->selectionModel()->selectedRows())
        if (!m_table->isRowHidden(index.row()))
            rows.insert(index.row());
    return {rows.begin(), rows.end()};
}

} // namespace ktr::workcenter
