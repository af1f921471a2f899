#pragma once

#include "WorkCenterContext.h"

#include <QDate>
#include <QDialog>

class QCalendarWidget;
class QComboBox;
class QLabel;
class QSpinBox;

namespace ktr::workcenter {

// The date picker: year, month and a day grid. With the Republic-of-China flag the year is
// shown and entered in that calendar (Gregorian year - 1911) and so is the chosen date's text;
// the date picked is always a Gregorian date.
//   spnYear QSpinBox, cboMonth QComboBox, calDay QCalendarWidget, lblDate QLabel, btnOk, btnCancel
class TInputDayDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kRocOffset = 1911;

    TInputDayDialog(const QDate &start, bool rocCalendar, Language language, QWidget *parent = nullptr);

    QDate selectedDate() const;
    void setSelectedDate(const QDate &date);
    // The date as the label shows it: "YYYY/MM/DD", or "YYY/MM/DD" in the ROC calendar.
    QString dateText(const QDate &date) const;

private:
    void showMonth();
    void followCalendar();

    bool m_roc;
    QSpinBox *m_year;
    QComboBox *m_month;
    QCalendarWidget *m_calendar;
    QLabel *m_text;
};

} // namespace ktr::workcenter
