#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace ktr {

class Variant;

// Raised when a text that must hold a number does not; the message names the text, as in
// "'x' is not a valid integer value".
class ConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The text without leading and trailing blanks and control characters (bytes up to 0x20).
std::string trimmed(std::string_view text);

// A decimal integer: optional leading blanks, optional sign, digits, nothing after them;
// no value when the text is anything else or outside the 32-bit range.
std::optional<std::int32_t> tryStrToInt(std::string_view text);
// As tryStrToInt, raising ConvertError instead of giving no value.
std::int32_t strToInt(std::string_view text);

// A decimal number with "." as decimal point and an optional exponent, blanks around it
// allowed; no value for anything else (including "inf" and "nan").
std::optional<double> tryStrToFloat(std::string_view text);

// A Variant read as an integer: texts through strToInt (ConvertError), any other value
// through Variant::toInt (VariantError for values that are no number).
std::int32_t variantToInt(const Variant &value);

} // namespace ktr
