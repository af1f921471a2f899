#include "VariantJson.h"

#include <QDate>
#include <QDateTime>
#include <QJsonArray>
#include <QJsonObject>

#include <cmath>

namespace ktr::store {

QString dayCountText(double days)
{
    if (!std::isfinite(days))
        return {};
    const double whole = std::floor(days);
    const QDate date = QDate(1899, 12, 30).addDays(static_cast<qint64>(whole));
    const int seconds = static_cast<int>(std::lround((days - whole) * 86400.0));
    return QDateTime(date, QTime(0, 0)).addSecs(seconds).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QJsonValue variantToJson(const Variant &value)
{
    const auto tagged = [](const char *key, const QJsonValue &v) { return QJsonObject{{key, v}}; };
    switch (value.type()) {
    case VarType::Empty: return tagged("empty", true);
    case VarType::Null: return QJsonValue(QJsonValue::Null);
    case VarType::Bool: return value.toBool();
    case VarType::Int16: return tagged("int16", value.toInt());
    case VarType::Int32: return value.toInt();
    case VarType::Double: return tagged("double", value.toDouble());
    case VarType::Date:
        return QJsonObject{{"date", value.toDouble()}, {"text", dayCountText(value.toDouble())}};
    case VarType::WideText: return QString::fromStdString(value.toString());
    case VarType::ByteText: return tagged("byteText", QString::fromStdString(value.toString()));
    case VarType::Object: return tagged("object", true);
    case VarType::Array: {
        QJsonArray bounds;
        for (const ArrayBound &b : value.bounds())
            bounds.append(QJsonArray{b.lower, b.upper()});
        QJsonArray elements;
        for (const Variant &e : value.elements())
            elements.append(variantToJson(e));
        return QJsonObject{{"bounds", bounds}, {"elements", elements}};
    }
    }
    return tagged("unknown", static_cast<int>(value.type()));
}

} // namespace ktr::store
