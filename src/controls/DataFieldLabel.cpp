#include "DataFieldLabel.h"

#include <QMetaObject>
#include <QMetaProperty>
#include <QObject>
#include <QVariant>

namespace ktr::controls {
namespace {

// The object an object-typed property holds; nullptr when there is no such property or
// it is of another type.
QObject *objectProperty(const QObject *object, const char *name)
{
    const QMetaObject *meta = object->metaObject();
    const int index = meta->indexOfProperty(name);
    if (index < 0)
        return nullptr;
    const QMetaProperty property = meta->property(index);
    if (!(property.metaType().flags() & QMetaType::PointerToQObject))
        return nullptr;
    return property.read(object).value<QObject *>();
}

} // namespace

std::optional<QString> dataFieldLabelOf(const QObject *control)
{
    if (!control)
        return std::nullopt;
    QObject *dataSource = objectProperty(control, "DataSource");
    QObject *dataSet = dataSource ? objectProperty(dataSource, "DataSet") : nullptr;
    if (!dataSet)
        return std::nullopt;
    const QVariant field = control->property("DataField");
    if (field.typeId() != QMetaType::QString)
        return std::nullopt;
    QVariant label;
    const bool called = QMetaObject::invokeMethod(dataSet, "FieldDisplayLabel", Qt::DirectConnection,
                                                  Q_RETURN_ARG(QVariant, label),
                                                  Q_ARG(QString, field.toString()));
    if (!called || !label.isValid())
        return std::nullopt;
    return label.toString();
}

} // namespace ktr::controls
