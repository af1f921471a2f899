#pragma once

#include "ktrstore_global.h"

#include <Variant.h>

#include <QJsonValue>

namespace ktr::store {

// A Variant as JSON that keeps every type and bound, so that a dump shows exactly what
// arrived: wide text as a string, 32-bit integers as numbers, Booleans and Null as themselves;
// the other types as one-member objects ({"byteText": ...}, {"int16": ...}, {"double": ...},
// {"date": days, "text": "YYYY-MM-DD HH:MM:SS"}, {"empty": true}, {"object": true}); an array
// as {"bounds": [[lower, upper], ...], "elements": [...]} in storage order.
KTRSTORE_EXPORT QJsonValue variantToJson(const Variant &value);

// "YYYY-MM-DD HH:MM:SS" of a day count since 1899-12-30.
KTRSTORE_EXPORT QString dayCountText(double days);

} // namespace ktr::store
