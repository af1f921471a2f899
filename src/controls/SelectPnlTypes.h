#pragma once

#include <QMetaEnum>
#include <QObject>

// The enumerations of the selection panel. They are written by name in form files and in
// the panel's saved value text ("sp_Range"), so they live in a Q_NAMESPACE whose meta-object
// knows the names; each is stored as its ordinal in declaration order.
namespace ktr::controls::types {
Q_NAMESPACE

// How a condition is entered: a range, a list of discrete values, or the user's choice.
enum TSelectStyle { sp_Range, sp_Discrete, sp_UserChoice };
Q_ENUM_NS(TSelectStyle)

// How the two range ends are compared when they are put in order.
enum TValueType { vt_String, vt_Number, vt_Date, vt_Time, vt_Float, vt_OtherMask };
Q_ENUM_NS(TValueType)

// Order of the parts of a date text; the last two count years from 1911. Same ordinals as
// the date kinds of the shared date routines.
enum TDateType { dt_NoneCare, dt_YYYYMMDD, dt_MMDDYYYY, dt_DDMMYYYY, dt_YYMMDD, dt_YYYMMDD };
Q_ENUM_NS(TDateType)

// Removal of adjacent rows with equal captions.
enum TCheckDuplicate { cd_None, cd_CheckCase, cd_CaseInsensitive };
Q_ENUM_NS(TCheckDuplicate)

} // namespace ktr::controls::types

// The form code uses the style, value-type and duplicate names unqualified. The date type
// stays qualified: the shared date routines declare their own TDateType with the same names.
using ktr::controls::types::TCheckDuplicate;
using ktr::controls::types::TSelectStyle;
using ktr::controls::types::TValueType;
using enum ktr::controls::types::TCheckDuplicate;
using enum ktr::controls::types::TSelectStyle;
using enum ktr::controls::types::TValueType;
