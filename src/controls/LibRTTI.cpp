#include "LibRTTI.h"

#include <QHash>
#include <QMetaProperty>

#include <optional>

namespace {

enum class Kind { Ordinal, String, Method, Other };

QString asciiLower(const QString &text)
{
    QString out = text;
    for (QChar &c : out)
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() + ('a' - 'A'));
    return out;
}

// Published properties of a class by lower-case name, the most derived declaration
// winning. Built once per class: forms look names up for every component they hold.
const QHash<QString, int> &publishedIndex(const QMetaObject *meta)
{
    thread_local QHash<const QMetaObject *, QHash<QString, int>> cache;
    auto it = cache.find(meta);
    if (it == cache.end()) {
        QHash<QString, int> index;
        for (int i = meta->propertyCount() - 1; i >= 0; --i) {
            const QLatin1String propertyName(meta->property(i).name());
            if (propertyName.isEmpty() || propertyName.front() < 'A' || propertyName.front() > 'Z')
                continue;
            const QString key = asciiLower(QString(propertyName));
            if (!index.contains(key))
                index.insert(key, i);
        }
        it = cache.insert(meta, std::move(index));
    }
    return *it;
}

std::optional<QMetaProperty> publishedProperty(const QObject *component, const QString &name)
{
    if (!component || name.isEmpty())
        return std::nullopt;
    const QMetaObject *meta = component->metaObject();
    const QHash<QString, int> &index = publishedIndex(meta);
    const auto found = index.constFind(asciiLower(name));
    if (found == index.constEnd())
        return std::nullopt;
    return meta->property(*found);
}

Kind kindOf(const QMetaProperty &property)
{
    if (property.isEnumType() || property.isFlagType())
        return Kind::Ordinal;
    const QMetaType type = property.metaType();
    if (type == QMetaType::fromType<TMethod>())
        return Kind::Method;
    switch (type.id()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Bool:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::QChar:
        return Kind::Ordinal;
    case QMetaType::QString:
        return Kind::String;
    default:
        return Kind::Other;
    }
}

std::optional<QMetaProperty> propertyOfKind(const QObject *component, const QString &name,
                                            Kind kind)
{
    std::optional<QMetaProperty> property = publishedProperty(component, name);
    if (!property || kindOf(*property) != kind)
        return std::nullopt;
    return property;
}

} // namespace

bool HasPropByName(const QObject *component, const QString &name)
{
    return publishedProperty(component, name).has_value();
}

int GetOrdPropByName(const QObject *component, const QString &name)
{
    const std::optional<QMetaProperty> property = propertyOfKind(component, name, Kind::Ordinal);
    if (!property)
        return 0;
    const QVariant value = property->read(component);
    if (value.metaType().id() == QMetaType::QChar)
        return value.toChar().unicode();
    if (value.metaType().id() == QMetaType::Bool)
        return value.toBool() ? 1 : 0;
    return value.toInt();
}

void SetOrdPropByName(QObject *component, const QString &name, int value)
{
    const std::optional<QMetaProperty> property = propertyOfKind(component, name, Kind::Ordinal);
    if (!property || !property->isWritable())
        return;
    switch (property->metaType().id()) {
    case QMetaType::Bool:
        property->write(component, QVariant(value != 0));
        break;
    case QMetaType::QChar:
        property->write(component, QVariant(QChar(char16_t(value))));
        break;
    default: {
        QVariant converted(value);
        if (converted.convert(property->metaType()))
            property->write(component, converted);
        else
            property->write(component, QVariant(value));
        break;
    }
    }
}

QString GetStrPropByName(const QObject *component, const QString &name)
{
    const std::optional<QMetaProperty> property = propertyOfKind(component, name, Kind::String);
    return property ? property->read(component).toString() : QString();
}

void SetStrPropByName(QObject *component, const QString &name, const QString &value)
{
    const std::optional<QMetaProperty> property = propertyOfKind(component, name, Kind::String);
    if (property && property->isWritable())
        property->write(component, QVariant(value));
}

TMethod GetMethodPropByName(const QObject *component, const QString &name)
{
    const std::optional<QMetaProperty> property = propertyOfKind(component, name, Kind::Method);
    return property ? property->read(component).value<TMethod>() : TMethod{};
}

void SetMethodPropByName(QObject *component, const QString &name, const TMethod &value)
{
    const std::optional<QMetaProperty> property = propertyOfKind(component, name, Kind::Method);
    if (property && property->isWritable())
        property->write(component, QVariant::fromValue(value));
}
