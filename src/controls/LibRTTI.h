#pragma once

#include "Method.h"

#include <QObject>
#include <QString>

// Published properties of a component by name. A published property is a Q_PROPERTY whose
// name starts with an upper-case letter (Caption, Color, OnClick ...); names are matched
// without regard to ASCII case. Each routine reads or writes through the property's own
// reader and writer, so a write behaves exactly as the assignment in code (setting Color
// repaints, setting OnClick replaces the handler).
//
// Kinds, never converted into one another:
//   ordinal - integers, enumerations, sets (flags), Booleans (1/0), colours, characters;
//   string  - texts;
//   method  - event handlers (TMethod).
// A missing component, an empty name, a missing property or one of another kind give the
// empty result (false, 0, "", an empty TMethod) and writes change nothing.

bool HasPropByName(const QObject *component, const QString &name);

int GetOrdPropByName(const QObject *component, const QString &name);
void SetOrdPropByName(QObject *component, const QString &name, int value);

QString GetStrPropByName(const QObject *component, const QString &name);
void SetStrPropByName(QObject *component, const QString &name, const QString &value);

TMethod GetMethodPropByName(const QObject *component, const QString &name);
void SetMethodPropByName(QObject *component, const QString &name, const TMethod &value);
