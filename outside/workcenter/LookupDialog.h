#pragma once

#include "WorkCenterContext.h"

#include <QDialog>
#include <QStringList>

#include <vector>

class QLineEdit;
class QTableWidget;

namespace ktr::workcenter {

// The lookup window: a table of rows with a filter box above it; the user picks one row, or
// several when multiple selection is on. Rows the filter hides cannot be chosen.
//   edFilter  QLineEdit: shows the rows holding its text in any column (without regard to case)
//   grdRows   QTableWidget: the rows; double click or Enter picks
//   btnOk, btnCancel
class TLookupDialog : public QDialog {
    Q_OBJECT
public:
    TLookupDialog(const QString &title, const QStringList &headers, const std::vector<QStringList> &rows,
                  bool multiSelect, Language language, QWidget *parent = nullptr);

    // Selects the first row whose first column equals text, else the first that starts with it.
    void preselect(const QString &text);
    // Indexes of the chosen rows, in table order (visible and selected).
    std::vector<int> chosenRows() const;

private:
    void applyFilter(const QString &text);

    QLineEdit *m_filter;
    QTableWidget *m_table;
};

} // namespace ktr::workcenter
