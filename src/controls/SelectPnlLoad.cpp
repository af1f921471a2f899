#include "SelectPnl.h"

#include <QMetaProperty>

#include <utility>

// Loading the panel from a form description.

namespace {

// The panel's own properties in the order a form file lists them.
const char *const formFileOrder[] = {
    "BeginWords", "ColumnsAutoSize", "CanOpenWin", "ChildHints", "Columns", "DateSign",
    "FinalWords", "GlyphIndex", "HintWord", "HideSelection", "OtherHeight", "OtherWidth",
    "ShowColumnHeader", "SortListBox", "Style", "UseDiscard", "UserChoice", "UseVertical",
    "ValueType"};

bool inFormFileOrder(const QString &name)
{
    for (const char *listed : formFileOrder) {
        if (name.compare(QLatin1String(listed), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

// Writes a published property (one whose name starts with a capital, so that Qt's own
// "width" is not taken for "Width") named without regard to case; false when there is none
// or the value does not fit it.
bool writeProperty(QObject *object, const QString &name, const QVariant &value)
{
    const QMetaObject *meta = object->metaObject();
    for (int i = meta->propertyCount() - 1; i >= 0; --i) {
        const QMetaProperty property = meta->property(i);
        const char *propertyName = property.name();
        if (propertyName[0] >= 'A' && propertyName[0] <= 'Z'
            && name.compare(QLatin1String(propertyName), Qt::CaseInsensitive) == 0)
            return property.write(object, value);
    }
    return false;
}

} // namespace

QStringList TSelectPanel::LoadProperties(const QVariantMap &description)
{
    QStringList notApplied;
    const bool loadingBefore = std::exchange(m_loading, true);
    for (auto it = description.begin(); it != description.end(); ++it) {
        if (!inFormFileOrder(it.key()) && !writeProperty(this, it.key(), it.value()))
            notApplied.append(it.key());
    }
    for (const char *listed : formFileOrder) {
        for (auto it = description.begin(); it != description.end(); ++it) {
            if (it.key().compare(QLatin1String(listed), Qt::CaseInsensitive) == 0
                && !writeProperty(this, it.key(), it.value()))
                notApplied.append(it.key());
        }
    }
    m_loading = loadingBefore;
    layOut();
    return notApplied;
}
