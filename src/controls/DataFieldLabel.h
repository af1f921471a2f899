#pragma once

#include <QString>

#include <optional>

class QObject;

namespace ktr::controls {

// The display label of the data field a data-aware control shows, read by property names:
// the control's published "DataSource" (an object property, set), that object's
// "DataSet" (set), the control's "DataField", and the data set's answer to
// FieldDisplayLabel(field name) (a Q_INVOKABLE returning the label as a QVariant, an
// invalid one for an unknown field). nullopt when any step is missing or fails.
std::optional<QString> dataFieldLabelOf(const QObject *control);

} // namespace ktr::controls
