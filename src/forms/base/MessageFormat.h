#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace ktr {

// Fills the placeholders of a catalogue message with text arguments: %s takes the next
// argument, %d takes it when it is a whole number, %% is a percent sign; an index form
// "%0:s" takes the argument named. Surplus arguments are ignored. A placeholder that
// cannot be filled (wrong kind, unknown letter, no argument left) gives nothing.
std::optional<QString> formatMessage(const QString &pattern, const QStringList &args);

} // namespace ktr
