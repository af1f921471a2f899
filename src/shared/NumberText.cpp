#include "NumberText.h"

#include "Variant.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace ktr {

std::string trimmed(std::string_view text)
{
    auto isBlank = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return std::string(text.substr(begin, end - begin));
}

std::optional<std::int32_t> tryStrToInt(std::string_view text)
{
    std::size_t pos = 0;
    while (pos < text.size() && text[pos] == ' ')
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    if (pos == text.size())
        return std::nullopt;
    std::int64_t value = 0;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > std::int64_t(std::numeric_limits<std::int32_t>::max()) + 1)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<std::int32_t>::max()
        || value < std::numeric_limits<std::int32_t>::min())
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

std::int32_t strToInt(std::string_view text)
{
    if (const auto value = tryStrToInt(text))
        return *value;
    throw ConvertError("'" + std::string(text) + "' is not a valid integer value");
}

std::optional<double> tryStrToFloat(std::string_view text)
{
    const std::string t = trimmed(text);
    std::string_view body = t;
    if (!body.empty() && body.front() == '+')
        body.remove_prefix(1);
    if (body.empty())
        return std::nullopt;
    // from_chars also reads "inf", "nan" and hexadecimal forms; only plain decimals count here.
    for (char c : body) {
        const bool allowed = (c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+'
            || c == 'e' || c == 'E';
        if (!allowed)
            return std::nullopt;
    }
    double value = 0;
    const auto [end, error] = std::from_chars(body.data(), body.data() + body.size(), value);
    if (error != std::errc() || end != body.data() + body.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::int32_t variantToInt(const Variant &value)
{
    if (value.isText())
        return strToInt(value.toString());
    return value.toInt();
}

} // namespace ktr
