#include "F2WindowService.h"

#include "InputDayDialog.h"
#include "LookupDialog.h"
#include "TableQueries.h"

#include <ModalHook.h>

#include <QApplication>
#include <QWidget>

namespace ktr::workcenter {

namespace {

QString qtext(const Variant &v)
{
    if (v.isEmptyOrNull() || v.isArray() || v.type() == VarType::Object)
        return {};
    return QString::fromStdString(v.toString());
}

QString caption(const Caption &c, Language language)
{
    return QString::fromUtf8(pickText(language, c.simplified, c.traditional, c.english));
}

} // namespace

void requireUserInterface(const char *member)
{
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        throw DispatchError(std::string(member) + " opens a window and needs a running user interface");
}

QWidget *widgetOfHandle(const Variant &handle)
{
    if (!handle.isNumeric())
        return nullptr;
    const auto id = static_cast<WId>(static_cast<std::uint32_t>(handle.toInt()));
    return id ? QWidget::find(id) : nullptr;
}

TF2WindowService::TF2WindowService(std::shared_ptr<const WorkCenterContext> context)
    : m_context(std::move(context))
{
    addMethod("F2GetData", [this](std::span<Variant> args) {
        return getData(argument(args, 0, "F2GetData"));
    });
    addMethod("GetPhrase", [this](std::span<Variant> args) {
        return getPhrase(argument(args, 0, "GetPhrase"), args.size() > 2 ? args[2] : Variant());
    });
    addMethod("ShowInputDay", [this](std::span<Variant> args) {
        return showInputDay(argument(args, 0, "ShowInputDay"));
    });
}

Variant TF2WindowService::getData(const Variant &request)
{
    if (!request.isArray() || request.dimensions() != 1 || request.lowerBound() != 0 ||
        request.upperBound() < kRequestElements - 1)
        throw DispatchError("F2GetData needs the lookup request, an array of 19 elements");
    const std::string table = qtext(request.at(0)).toStdString();
    const std::string key = qtext(request.at(1)).toStdString();
    const TableQuery *query = findTableQuery(table, key);
    if (!query || !query->listSql)
        throw DispatchError("F2GetData: no lookup for table key " + table + " with query number " + key);
    requireUserInterface("F2GetData");

    const Variant &product = request.at(10);
    const RowScope scope{parseBaseLimit(qtext(request.at(14)).toStdString()),
                         product.isNumeric() ? product.toInt() : 0};
    const std::vector<Variant> rows = listRows(*m_context->db, *query, parameterTexts(request.at(2)), scope);
    std::vector<QStringList> texts;
    for (const Variant &row : rows) {
        QStringList cells;
        for (const Variant &cell : row.elements())
            cells << qtext(cell);
        texts.push_back(cells);
    }
    QStringList headers;
    for (const Caption &c : query->columns)
        headers << caption(c, m_context->language());
    const bool multi = request.at(3).type() == VarType::Bool && request.at(3).toBool();

    TLookupDialog dialog(caption(query->title, m_context->language()), headers, texts, multi,
                         m_context->language(), widgetOfHandle(request.at(7)));
    dialog.preselect(qtext(request.at(4)));
    if (platform::execDialog(&dialog) != QDialog::Accepted)
        return {};
    std::vector<Variant> chosen;
    for (int index : dialog.chosenRows())
        chosen.push_back(rows[std::size_t(index)]);
    if (chosen.empty())
        return {};
    return Variant::array(std::move(chosen));
}

Variant TF2WindowService::getPhrase(const Variant &user, const Variant &window)
{
    if (user.isArray() || user.type() == VarType::Object)
        throw DispatchError("GetPhrase needs the user code");
    requireUserInterface("GetPhrase");
    std::vector<QStringList> phrases;
    std::vector<std::string> texts;
    auto q = m_context->db->query("SELECT text FROM phrases WHERE user_code IN ('', ?1)"
                                  " ORDER BY user_code DESC, seq");
    q->bind(1, qtext(user).toStdString());
    while (q->step()) {
        texts.push_back(q->text(0));
        phrases.push_back({QString::fromStdString(texts.back())});
    }
    const Language language = m_context->language();
    const QString title = QString::fromUtf8(pickText(language, "常用语开窗", "常用語開窗", "Phrases"));
    TLookupDialog dialog(title, {QString::fromUtf8(pickText(language, "常用语", "常用語", "Phrase"))}, phrases,
                         false, language, widgetOfHandle(window));
    if (platform::execDialog(&dialog) != QDialog::Accepted)
        return Variant::wideText("");
    const std::vector<int> chosen = dialog.chosenRows();
    return Variant::wideText(chosen.empty() ? std::string() : texts[std::size_t(chosen.front())]);
}

Variant TF2WindowService::showInputDay(const Variant &request)
{
    if (!request.isArray() || request.dimensions() != 1 || request.elementCount() < 2)
        throw DispatchError("ShowInputDay needs [ROC calendar flag, date YYYYMMDD, database]");
    requireUserInterface("ShowInputDay");
    const Variant &flag = request.elements()[0];
    const bool roc = flag.type() == VarType::Bool ? flag.toBool() : (flag.isNumeric() && flag.toInt() != 0);
    const QDate start = QDate::fromString(qtext(request.elements()[1]).trimmed(), QStringLiteral("yyyyMMdd"));
    TInputDayDialog dialog(start, roc, m_context->language());
    if (platform::execDialog(&dialog) != QDialog::Accepted)
        return Variant::wideText("");
    return Variant::wideText(dialog.selectedDate().toString(QStringLiteral("yyyyMMdd")).toStdString());
}

} // namespace ktr::workcenter
