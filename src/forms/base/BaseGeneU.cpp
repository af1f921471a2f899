// Messages, system information, checks and lookups of the generic job form.

#include "BaseGene.h"

#include "LibRTTI.h"
#include "LibStrs.h"
#include "MessageFormat.h"

#include <QDate>
#include <QTimer>

#include <stdexcept>

namespace {

QString textOf(const ktr::Variant &v)
{
    return QString::fromStdString(v.toString());
}

// The name of a "name=value" entry of the system information: the text before the first "=".
QStringView entryName(const QString &entry)
{
    const qsizetype equals = entry.indexOf(QLatin1Char('='));
    return equals < 0 ? QStringView(entry) : QStringView(entry).left(equals);
}

struct MessageKind {
    TMsgDlgType reportType;
    TMsgDlgType dialogType;
    TMsgDlgButtons buttons;
};

MessageKind messageKind(const QString &typeLetter)
{
    switch (typeLetter.isEmpty() ? char16_t(0) : typeLetter.at(0).toUpper().unicode()) {
    case 'C': return {mtWarning, mtWarning, mbOK | mbCancel};
    case 'D': return {mtWarning, mtWarning, mbYes | mbNo | mbCancel};
    case 'E': return {mtError, mtError, mbOK};
    case 'I': return {mtInformation, mtInformation, mbOK};
    case 'Q': return {mtConfirmation, mtConfirmation, mbOK | mbCancel};
    case 'W': return {mtWarning, mtWarning, mbOK | mbCancel};
    default: return {mtCustom, mtCustom, mbOK};
    }
}

} // namespace

void TfrmBaseGene::ReportMessage(const QString &code)
{
    if (code.isEmpty()) {
        MessageCodeLog.clear();
        MessageTextLog.clear();
        return;
    }
    MessageCodeLog += code + "; ";
    QStringList fields = code.split(';');
    const QString typeLetter = fields.value(0);
    QString number = fields.value(1);
    bool numeric = false;
    const int value = number.trimmed().toInt(&numeric);
    const bool positive = numeric && value > 0;
    QStringList extra = fields.mid(2);
    if (extra.size() > 10)
        throw std::runtime_error("Too many message arguments in " + code.toStdString());
    if (extra.isEmpty())
        extra << QString();
    while (extra.size() < 10)
        extra << QString();
    if (!positive)
        number = number.mid(1);

    const QString pattern = GetMessageText(typeLetter, number);
    QString text;
    if (const auto formatted = ktr::formatMessage(pattern, extra)) {
        text = *formatted;
    } else {
        text = pattern + "\r";
        for (const QString &e : extra)
            text += e + ";";
    }
    if (!MessageTextLog.contains(text))
        MessageTextLog += text + "; ";
    if (positive)
        ShowDialog(text, messageKind(typeLetter).reportType, mbOK);
}

void TfrmBaseGene::RecordError(const QString &text)
{
    const QString t = text.trimmed();
    if (t.isEmpty()) {
        MessageCodeLog.clear();
        MessageTextLog.clear();
        return;
    }
    MessageCodeLog += "E;-1; ";
    if (!MessageTextLog.contains(t))
        MessageTextLog += t + "; ";
}

QString TfrmBaseGene::GetMessageText(const QString &typeLetter, const QString &number)
{
    if (!WorkCenter)
        return QString("Can not Get Message\rType= %1, ID= %2 ").arg(typeLetter, number);
    try {
        return textOf(WorkCenter.call("GetMessage", {typeLetter.toStdString(), number.toStdString()}));
    } catch (const std::exception &e) {
        return QString::fromUtf8(e.what());
    }
}

int TfrmBaseGene::ShowDialog(const QString &text, TMsgDlgType dialogType, TMsgDlgButtons buttons)
{
    if (SilentMessages && dialogType != mtError)
        return 0;
    const int result = ConvertedMessage(text, dialogType, buttons);
    if (dialogType == mtError && LastFocused && LastFocused->isEnabled() && LastFocused->isVisible() &&
        LastFocused != this)
        LastFocused->setFocus();
    return result;
}

QString TfrmBaseGene::GetSysInfo(const QString &name)
{
    if (name.isEmpty()) {
        if (!CounterService)
            return {};
        const ktr::Variant answer = CounterService.call("GetSysInfo", {CompanyId.toStdString()});
        if (answer.isArray() && answer.dimensions() == 2) {
            for (std::int32_t col = answer.lowerBound(2); col <= answer.upperBound(2); ++col) {
                const QString key = textOf(answer.at(answer.lowerBound(1), col));
                const QString value = textOf(answer.at(answer.lowerBound(1) + 1, col));
                bool replaced = false;
                for (QString &entry : SysInfoCache) {
                    if (entryName(entry).compare(key, Qt::CaseInsensitive) == 0) {
                        entry = key + "=" + value;
                        replaced = true;
                    }
                }
                if (!replaced)
                    SysInfoCache << key + "=" + value;
            }
        }
        return {};
    }
    QString value;
    for (const QString &entry : SysInfoCache) {
        if (entryName(entry).compare(name, Qt::CaseInsensitive) == 0) {
            value = entry.section('=', 1);
            break;
        }
    }
    if (value.isEmpty()) {
        const bool english = GetUICodePage() == "437";
        const QString upper = name.toUpper();
        if (upper == "SYS007")
            return english ? "Inv.Cate.1" : "商品分类方式一";
        if (upper == "SYS008")
            return english ? "Inv.Cate.2" : "商品分类方式二";
        if (upper == "SYS009")
            return english ? "Inv.Cate.3" : "商品分类方式三";
        if (upper == "SYS010")
            return english ? "Inv.Cate.4" : "商品分类方式四";
    }
    return value;
}

std::int32_t TfrmBaseGene::GetDateKind()
{
    bool ok = false;
    const int kind = GetSysInfo("Sys001").trimmed().toInt(&ok);
    return ok ? kind : 1;
}

QString TfrmBaseGene::GetDateSign()
{
    const QString sign = GetSysInfo("Sys002");
    return sign.isEmpty() ? "/" : sign;
}

void TfrmBaseGene::LoadProgramInfo(const QString &programCode)
{
    QString name;
    try {
        ktr::Variant row;
        if (CheckTableValue("ADMMB", "01", false, row, ktr::Variant::array({programCode.toStdString()})) &&
            row.isArray()) {
            const std::int32_t lo = row.lowerBound();
            name = textOf(row.at(lo));
            WantLog = row.upperBound() >= lo + 4 && textOf(row.at(lo + 4)) == "Y";
            if (row.upperBound() >= lo + 7 && GetUICodePage() == "437")
                name = textOf(row.at(lo + 7));
        }
    } catch (const std::exception &) {
        name = programCode;
        WantLog = false;
    }
    ProgramName = name;
}

bool TfrmBaseGene::CheckTableValue(const QString &table, const QString &key, bool useQuery, ktr::Variant &row,
                                   const ktr::Variant &keyValues)
{
    if (!ValidatorService)
        return false;
    try {
        ValidatorService.put("ProductID", ProductId);
    } catch (const std::exception &) {
    }
    try {
        ValidatorService.put("BaseLimited", RightsText.toStdString());
    } catch (const std::exception &) {
    }
    try {
        ktr::Variant args[5] = {table.toStdString(), key.toStdString(), DatabaseId.toStdString(), keyValues,
                                ktr::Variant()};
        const ktr::Variant found = ValidatorService.call(useQuery ? "QueryData" : "CheckValue", args);
        row = args[4];
        return found.toBool();
    } catch (const std::exception &) {
        return false;
    }
}

bool TfrmBaseGene::CheckExternalFieldList(const ktr::Variant &x)
{
    bool ok = false;
    try {
        if (x.isArray() && x.elementCount() > 0) {
            const ktr::Variant &rows = x.at(x.lowerBound());
            ok = rows.isArray();
            for (const ktr::Variant &row : rows.elements()) {
                const QString name = textOf(row.at(row.lowerBound() + 1));
                QObject *c = FindComponent(name);
                const bool known = c && (c->inherits("TSelectPanel") || c->inherits("TComboBox") ||
                                         HasPropByName(c, "ItemIndex") || HasPropByName(c, "Checked") ||
                                         HasPropByName(c, "Text") || HasPropByName(c, "Lines"));
                if (!known) {
                    ok = false;
                    break;
                }
            }
        }
    } catch (const std::exception &) {
        ok = false;
    }
    if (!ok)
        ReportMessage("W;000014");
    return ok;
}

void TfrmBaseGene::OpenLookup(quint16, QWidget *control)
{
    if (!control)
        return;
    if (control->isEnabled() && control->isVisible())
        control->setFocus();
    if (control == edPrintDate)
        edPrintDate->SetText(PickDate(edPrintDate->Text()));
}

QString TfrmBaseGene::PickDate(const QString &text)
{
    if (!LookupService)
        return text;
    const QString start = text.size() == 8 ? text : QDate::currentDate().toString("yyyyMMdd");
    try {
        const QString answer = textOf(LookupService.call(
            "ShowInputDay", {ktr::Variant::array({GetDateKind() > 3, start.toStdString(), DatabaseId.toStdString()})}))
                                   .trimmed();
        if (answer.isEmpty())
            return text;
        const double date = YmdToDate(answer.toStdString());
        return QString::fromStdString(
            FormatDateByType(static_cast<TDateType>(GetDateKind()), GetDateSign().toStdString(), date));
    } catch (const std::exception &e) {
        RecordError(QString::fromUtf8(e.what()));
        return text;
    }
}

void TfrmBaseGene::PickPhrase(QWidget *control)
{
    if (!LookupService || !control)
        return;
    try {
        const QString phrase = textOf(LookupService.call(
            "GetPhrase", {UserId.toStdString(), DatabaseId.toStdString(), std::int32_t(Handle())}));
        if (!phrase.isEmpty())
            SetStrPropByName(control, "Text", phrase);
    } catch (const std::exception &e) {
        RecordError(QString::fromUtf8(e.what()));
    }
}

void TfrmBaseGene::GetLookupData(const QString &table, const QString &key, ktr::Variant &result, bool multiSelect,
                                 const QString &currentText, const ktr::Variant &extra)
{
    result = ktr::Variant();
    if (!LookupService)
        return;
    std::vector<ktr::Variant> request = {
        table.toStdString(), key.toStdString(), extra, multiSelect, currentText.toStdString(),
        CompanyId.toStdString(), DatabaseId.toStdString(), std::int32_t(Handle()), std::int32_t(1), false,
        ProductId, "", "", "", RightsText.toStdString(), Right8Allowed, Right7Allowed,
        ktr::Variant(WorkCenter.get()), UserId.toStdString()};
    try {
        result = LookupService.call("F2GetData", {ktr::Variant::array(std::move(request))});
    } catch (const std::exception &e) {
        RecordError(QString::fromUtf8(e.what()));
    }
}

bool TfrmBaseGene::FillConditionCaptions(ktr::Variant &captions, std::int32_t offset)
{
    InProcessRunFlag = true;
    QString error;
    bool ok = true;
    try {
        captions.at(offset + ConditionBase) =
            ktr::Variant::array({lblToday->Caption().toStdString(), "edPrintDate"});
    } catch (const std::exception &) {
        error = "E;000030;" + GetMessageText("I", "000011");
        ok = false;
    }
    ReportMessage(error);
    return ok;
}

bool TfrmBaseGene::FillConditionValues(ktr::Variant &values, std::int32_t offset)
{
    QString error;
    bool ok = true;
    try {
        const QString date = edPrintDate->Text().trimmed();
        const QString sign = GetDateSign();
        QString value;
        if (!date.isEmpty() && !date.startsWith(sign) && !date.endsWith(sign)) {
            const double d = ParseDateByType(date.toStdString(), static_cast<TDateType>(GetDateKind()),
                                             sign.toStdString());
            if (d != 0)
                value = QString::fromStdString(FormatDateByType(dt_YYYYMMDD, "", d));
        }
        values.at(offset + ConditionBase) = value.toStdString();
    } catch (const std::exception &) {
        error = "E;000030";
        ok = false;
    }
    ReportMessage(error);
    return ok;
}

bool TfrmBaseGene::ApplyExternalValues(const ktr::Variant &) { return false; }
bool TfrmBaseGene::BuildJobParams() { return false; }
bool TfrmBaseGene::FillEnvironment(ktr::Variant &, std::int32_t) { return false; }
void TfrmBaseGene::SetRequiredFields(const QString &list) { RequiredFields = list; }
void TfrmBaseGene::PrepareDataSets() {}
bool TfrmBaseGene::SaveScheme(const QString &, const QString &, bool) { return false; }
bool TfrmBaseGene::LoadSchemeValues(const QString &, const QString &) { return false; }
bool TfrmBaseGene::RefreshSchemeList() { return false; }
void TfrmBaseGene::BeforeApplyValue(QObject *, const QString &) {}
void TfrmBaseGene::AfterApplyValue(QObject *, const QString &) {}

bool TfrmBaseGene::RunJobInProcess(const QString &, const QString &, const QString &, std::int32_t,
                                   const ktr::Variant &, const QString &, const QString &, const QString &,
                                   const QString &, const QString &, const QString &)
{
    return false;
}
