#include "SelectPnl.h"

#include <QDate>

// Putting the range ends in order when the focus leaves the panel.

namespace {

using ktr::controls::types::TDateType;

// Leading and trailing characters up to the space, as the system trims.
QString trimBlanks(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first].unicode() <= 0x20)
        ++first;
    while (last > first && text[last - 1].unicode() <= 0x20)
        --last;
    return text.mid(first, last - first);
}

int integerOr0(const QString &text)
{
    bool ok = false;
    const int value = trimBlanks(text).toInt(&ok);
    return ok ? value : 0;
}

double numberOr0(const QString &text)
{
    bool ok = false;
    const double value = trimBlanks(text).toDouble(&ok);
    return ok ? value : 0.0;
}

// Byte-wise and case-sensitive over the UTF-8 texts.
bool greaterByBytes(const QString &a, const QString &b)
{
    return a.toUtf8() > b.toUtf8();
}

// The day a date text stands for (days since 1899-12-30), or 0 when it is no date. A text
// with year and month only stands for the first day of that month.
qint64 dayNumber(const QString &given, const QString &sign, TDateType type, const QString &blank)
{
    using namespace ktr::controls::types;
    QString text = trimBlanks(given);
    if (text.isEmpty() || text == trimBlanks(blank) || sign.isEmpty())
        return 0;
    const qsizetype signs = text.count(sign);
    if (signs == 1) {
        switch (type) {
        case dt_MMDDYYYY:
            text = text.left(2) + sign + QStringLiteral("01") + text.mid(2);
            break;
        case dt_DDMMYYYY:
            text = QStringLiteral("01") + sign + text;
            break;
        case dt_YYYYMMDD:
        case dt_YYMMDD:
        case dt_YYYMMDD:
            text += sign + QStringLiteral("01");
            break;
        case dt_NoneCare:
            return 0;
        }
    } else if (signs != 2) {
        return 0;
    }
    const QStringList parts = text.split(sign);
    int p[3] = {};
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        p[i] = trimBlanks(parts.value(i)).toInt(&ok);
        if (!ok)
            return 0;
    }
    int year = 0, month = 0, day = 0;
    switch (type) {
    case dt_YYYYMMDD: year = p[0], month = p[1], day = p[2]; break;
    case dt_MMDDYYYY: year = p[2], month = p[0], day = p[1]; break;
    case dt_DDMMYYYY: year = p[2], month = p[1], day = p[0]; break;
    case dt_YYMMDD:
    case dt_YYYMMDD: year = p[0] + 1911, month = p[1], day = p[2]; break;
    case dt_NoneCare: return 0;
    }
    const QDate date(year, month, day);
    if (year < 1 || year > 9999 || !date.isValid())
        return 0;
    return date.toJulianDay() - QDate(1899, 12, 30).toJulianDay();
}

} // namespace

void TSelectPanel::DoExit()
{
    orderRangeEnds();
    TGroupBox::DoExit();
}

void TSelectPanel::orderRangeEnds()
{
    if (!edBegin->EditMask().startsWith(QLatin1Char('!'))) {
        edBegin->SetText(trimBlanks(edBegin->Text()));
        edFinal->SetText(trimBlanks(edFinal->Text()));
    }
    const QString b = edBegin->Text();
    const QString f = edFinal->Text();
    if (b.isEmpty() || f.isEmpty())
        return;

    // Ends still blank under the mask, or holding the discard text, are left where they are.
    const auto leftAlone = [&] {
        return b == m_blankText || f == m_blankText
            || (m_useDiscard && (trimBlanks(b) == m_discard || trimBlanks(f) == m_discard));
    };
    bool swap = false;
    switch (m_valueType) {
    case vt_String:
    case vt_Time:
        swap = !leftAlone() && greaterByBytes(b, f);
        break;
    case vt_Number:
        swap = integerOr0(b) > integerOr0(f);
        break;
    case vt_Date:
        if (!m_autoChangeDateSite || leftAlone())
            break;
        if (m_dateType == ktr::controls::types::dt_NoneCare)
            swap = greaterByBytes(b, f);
        else
            swap = dayNumber(b, m_dateSign, m_dateType, m_blankText)
                > dayNumber(f, m_dateSign, m_dateType, m_blankText);
        break;
    case vt_Float:
        // Compared as the numbers they are; the texts themselves stay as typed (rewriting
        // the parts around "." as integers would turn 1.05 into 1.5).
        swap = numberOr0(b) > numberOr0(f);
        break;
    case vt_OtherMask:
        break;
    }
    if (swap) {
        edBegin->SetText(f);
        edFinal->SetText(b);
    }
}
