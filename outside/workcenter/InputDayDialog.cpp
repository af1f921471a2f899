#include "InputDayDialog.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace ktr::workcenter {

namespace {

constexpr int kFirstYear = 1912; // year 1 of the ROC calendar
constexpr int kLastYear = 2999;

} // namespace

TInputDayDialog::TInputDayDialog(const QDate &start, bool rocCalendar, Language language, QWidget *parent)
    : QDialog(parent),
      m_roc(rocCalendar),
      m_year(new QSpinBox(this)),
      m_month(new QComboBox(this)),
      m_calendar(new QCalendarWidget(this)),
      m_text(new QLabel(this))
{
    setObjectName(QStringLiteral("frmInputDay"));
    setWindowTitle(QString::fromUtf8(pickText(language, "日期快手", "日期快手", "Pick a date")));

    const int offset = m_roc ? kRocOffset : 0;
    m_year->setObjectName(QStringLiteral("spnYear"));
    m_year->setRange(kFirstYear - offset, kLastYear - offset);
    if (m_roc)
        m_year->setPrefix(QString::fromUtf8(pickText(language, "民国 ", "民國 ", "ROC ")));
    m_month->setObjectName(QStringLiteral("cboMonth"));
    for (int m = 1; m <= 12; ++m)
        m_month->addItem(language == Language::English ? QLocale(QLocale::English).monthName(m)
                                                       : QString::number(m) + QString::fromUtf8("月"));
    m_calendar->setObjectName(QStringLiteral("calDay"));
    m_calendar->setNavigationBarVisible(false);
    m_calendar->setDateRange(QDate(kFirstYear, 1, 1), QDate(kLastYear, 12, 31));
    m_calendar->setGridVisible(true);
    m_text->setObjectName(QStringLiteral("lblDate"));

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("btnOk"));
    buttons->button(QDialogButtonBox::Ok)->setText(QString::fromUtf8(pickText(language, "确定", "確定", "OK")));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("btnCancel"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QString::fromUtf8(pickText(language, "取消", "取消", "Cancel")));

    auto *navigation = new QHBoxLayout;
    navigation->addWidget(m_year);
    navigation->addWidget(m_month);
    navigation->addStretch();
    navigation->addWidget(m_text);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(navigation);
    layout->addWidget(m_calendar);
    layout->addWidget(buttons);

    connect(m_year, &QSpinBox::valueChanged, this, &TInputDayDialog::showMonth);
    connect(m_month, &QComboBox::currentIndexChanged, this, &TInputDayDialog::showMonth);
    connect(m_calendar, &QCalendarWidget::selectionChanged, this, &TInputDayDialog::followCalendar);
    connect(m_calendar, &QCalendarWidget::activated, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    setSelectedDate(start.isValid() ? start : QDate::currentDate());
}

QDate TInputDayDialog::selectedDate() const
{
    return m_calendar->selectedDate();
}

void TInputDayDialog::setSelectedDate(const QDate &date)
{
    m_calendar->setSelectedDate(date);
    followCalendar();
}

QString TInputDayDialog::dateText(const QDate &date) const
{
    const int year = date.year() - (m_roc ? kRocOffset : 0);
    return QStringLiteral("%1/%2/%3")
        .arg(year, m_roc ? 3 : 4, 10, QLatin1Char('0'))
        .arg(date.month(), 2, 10, QLatin1Char('0'))
        .arg(date.day(), 2, 10, QLatin1Char('0'));
}

void TInputDayDialog::showMonth()
{
    const int year = m_year->value() + (m_roc ? kRocOffset : 0);
    const int month = m_month->currentIndex() + 1;
    const QDate current = selectedDate();
    const int day = std::min(current.day(), QDate(year, month, 1).daysInMonth());
    setSelectedDate(QDate(year, month, day));
}

void TInputDayDialog::followCalendar()
{
    const QDate date = selectedDate();
    {
        const QSignalBlocker blockYear(m_year);
        const QSignalBlocker blockMonth(m_month);
        m_year->setValue(date.year() - (m_roc ? kRocOffset : 0));
        m_month->setCurrentIndex(date.month() - 1);
    }
    m_calendar->setCurrentPage(date.year(), date.month());
    m_text->setText(dateText(date));
}

} // namespace ktr::workcenter
