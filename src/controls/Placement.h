#pragma once

#include <QMetaEnum>
#include <QObject>

// Sides on which a caption label sits next to its control; written by name in form files.
namespace ktr::controls::placement {
Q_NAMESPACE

// TDBLabel's side of its FocusControl.
enum TPos { psTop, psLeft, psRight, psBottom };
Q_ENUM_NS(TPos)

// The side of a labelled edit on which its own label sits.
enum TLabelPosition { lpAbove, lpBelow, lpLeft, lpRight };
Q_ENUM_NS(TLabelPosition)

} // namespace ktr::controls::placement

using ktr::controls::placement::TPos;
using ktr::controls::placement::TLabelPosition;
using enum ktr::controls::placement::TPos;
using enum ktr::controls::placement::TLabelPosition;
