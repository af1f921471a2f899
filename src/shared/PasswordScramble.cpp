#include "KeelhavenINI.h"

#include "ErrorReport.h"
#include "NumberText.h"

#include <cstdint>

namespace {

const char kEmptyPasswordMarker[] = "KT_Say_NoPassWord_ThePassWordIsEmpty";
const char kPasswordErrorMarker[] = "KT_Say_Password_Error";

std::uint8_t rotateRight(std::uint8_t byte, unsigned bits)
{
    bits %= 8;
    return static_cast<std::uint8_t>((byte >> bits) | (byte << ((8 - bits) % 8)));
}

std::uint8_t rotateLeft(std::uint8_t byte, unsigned bits)
{
    bits %= 8;
    return static_cast<std::uint8_t>((byte << bits) | (byte >> ((8 - bits) % 8)));
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

} // namespace

std::string ScramblePassword(std::string_view password)
{
    static const char digits[] = "0123456789ABCDEF";
    const std::string_view plain = password.empty() ? std::string_view(kEmptyPasswordMarker) : password;
    std::string result;
    result.reserve(plain.size() * 2);
    for (std::size_t i = 0; i < plain.size(); ++i) {
        const std::uint8_t byte = rotateRight(static_cast<std::uint8_t>(plain[i]),
                                              static_cast<unsigned>((i + 1) % 8));
        result += digits[byte >> 4];
        result += digits[byte & 0x0F];
    }
    return result;
}

std::string DescramblePassword(std::string_view scrambled)
{
    try {
        std::string plain;
        plain.reserve(scrambled.size() / 2);
        for (std::size_t i = 1; 2 * i <= scrambled.size(); ++i) {
            const std::string_view pair = scrambled.substr(2 * i - 2, 2);
            const int high = hexDigit(pair[0]);
            const int low = hexDigit(pair[1]);
            if (high < 0 || low < 0)
                throw ktr::ConvertError("'$" + std::string(pair) + "' is not a valid integer value");
            plain += static_cast<char>(
                rotateLeft(static_cast<std::uint8_t>(high * 16 + low), static_cast<unsigned>(i % 8)));
        }
        return plain == kEmptyPasswordMarker ? std::string() : plain;
    } catch (const std::exception &error) {
        WriteErrorReport(&error, ScramblePassword("DecodeSQLSa"), "解析 Sa 时发生错误!");
        return kPasswordErrorMarker;
    }
}
