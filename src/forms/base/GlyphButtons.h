#pragma once

#include <QList>
#include <QObject>

namespace ktr {

// The glyph buttons of a component that get a generated disabled picture, chosen by class,
// first match wins: a button edit or lookup combo -> its embedded button; any speed
// button or glyph button -> itself; a selection panel -> its three lookup buttons.
QList<QObject *> glyphButtonsOf(QObject *component);

// A button with a one-picture glyph gets the picture followed by its disabled picture and
// two pictures; a button that already has two (or none) is left alone.
void giveDisabledGlyph(QObject *button);

} // namespace ktr
