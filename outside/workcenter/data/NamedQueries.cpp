#include "NamedQueries.h"

#include "WorkCenterLog.h"

#include <Object.h>

#include <QRegularExpression>
#include <QString>

#include <vector>

namespace ktr::workcenter {

namespace {

constexpr const char *kPortalKeys[] = {"StartupPortal", "Portal WS"};

// The portal-setting key named by the statement, or an empty text.
QString portalKey(std::string_view statement)
{
    static const QRegularExpression pattern(
        QStringLiteral("^SELECT MA003 FROM KTRINTMA WHERE MA001 ?= ?'([^']*)'$"),
        QRegularExpression::CaseInsensitiveOption);
    const QString collapsed = QString::fromUtf8(statement.data(), qsizetype(statement.size())).simplified();
    const QRegularExpressionMatch match = pattern.match(collapsed);
    if (!match.hasMatch())
        return {};
    const QString key = match.captured(1);
    for (const char *known : kPortalKeys)
        if (key == QLatin1String(known))
            return key;
    return {};
}

} // namespace

Variant runSimpleSql(store::Database &db, std::string_view statement, std::string_view column)
{
    const QString key = portalKey(statement);
    if (key.isEmpty() || !sameTextAscii(column, "MA003")) {
        const std::string shown =
            QString::fromUtf8(statement.data(), qsizetype(statement.size())).simplified().left(80).toStdString();
        qCWarning(lcWorkCenter, "SimpleSQL refused: %s", shown.c_str());
        throw DispatchError("SimpleSQL refuses the statement \"" + shown +
                            "\": only the named queries of the portal settings are served");
    }
    auto q = db.query("SELECT MA003 FROM KTRINTMA WHERE MA001 = ?1");
    q->bind(1, key.toStdString());
    std::vector<Variant> rows;
    while (q->step())
        rows.push_back(Variant::array({Variant::wideText(q->text(0))}));
    return Variant::array(std::move(rows));
}

} // namespace ktr::workcenter
