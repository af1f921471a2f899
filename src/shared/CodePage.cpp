#include "CodePage.h"

#include "SharedLogging.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <iconv.h>

namespace ktr {

namespace {

// Owns one iconv conversion descriptor.
class IconvHandle {
public:
    IconvHandle(const std::string &to, const std::string &from)
        : m_cd(iconv_open(to.c_str(), from.c_str()))
    {
    }
    ~IconvHandle()
    {
        if (valid())
            iconv_close(m_cd);
    }
    IconvHandle(const IconvHandle &) = delete;
    IconvHandle &operator=(const IconvHandle &) = delete;

    bool valid() const { return m_cd != reinterpret_cast<iconv_t>(-1); }
    iconv_t get() const { return m_cd; }

private:
    iconv_t m_cd;
};

// Length of the UTF-8 sequence that starts with this byte (1 for a stray byte).
std::size_t utf8SequenceLength(unsigned char lead)
{
    if (lead >= 0xF0)
        return 4;
    if (lead >= 0xE0)
        return 3;
    if (lead >= 0xC0)
        return 2;
    return 1;
}

enum class SkipRule { Utf8Character, OneByte };

// Runs the conversion; input the target cannot take is skipped by the rule and written as "?".
std::string convert(std::string_view input, const std::string &to, const std::string &from,
                    SkipRule skip)
{
    IconvHandle handle(to, from);
    if (!handle.valid())
        throw CodePageError("code page conversion " + from + " to " + to + " is not available");
    std::string output;
    output.reserve(input.size() * 2 + 16);
    char *in = const_cast<char *>(input.data());
    std::size_t inLeft = input.size();
    char buffer[4096];
    while (inLeft > 0) {
        char *out = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t rc = iconv(handle.get(), &in, &inLeft, &out, &outLeft);
        output.append(buffer, static_cast<std::size_t>(out - buffer));
        if (rc != static_cast<std::size_t>(-1))
            continue;
        if (errno == E2BIG)
            continue;
        // EILSEQ (no counterpart or an invalid sequence) or EINVAL (cut off at the end).
        std::size_t step = 1;
        if (skip == SkipRule::Utf8Character)
            step = std::min(inLeft, utf8SequenceLength(static_cast<unsigned char>(*in)));
        in += step;
        inLeft -= step;
        iconv(handle.get(), nullptr, nullptr, nullptr, nullptr);
        output += '?';
    }
    // Flush any shift state (none of the charsets here keeps one, but it costs nothing).
    char *out = buffer;
    std::size_t outLeft = sizeof buffer;
    iconv(handle.get(), nullptr, nullptr, &out, &outLeft);
    output.append(buffer, static_cast<std::size_t>(out - buffer));
    return output;
}

std::string requireCharset(int codePage)
{
    std::string charset = iconvCharset(codePage);
    if (charset.empty())
        throw CodePageError("code page " + std::to_string(codePage) + " is not available");
    return charset;
}

} // namespace

std::string iconvCharset(int codePage)
{
    std::string name;
    switch (codePage) {
    case 936:
        name = "GB18030";
        break;
    case 950:
        name = "BIG5";
        break;
    case 437:
        name = "CP437";
        break;
    case 65001:
        name = "UTF-8";
        break;
    default:
        if (codePage <= 0)
            return {};
        name = "CP" + std::to_string(codePage);
        break;
    }
    IconvHandle probe(name, "UTF-8");
    return probe.valid() ? name : std::string();
}

int machineCodePage()
{
    const char *locale = nullptr;
    for (const char *variable : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        const char *value = std::getenv(variable);
        if (value && *value) {
            locale = value;
            break;
        }
    }
    if (!locale)
        return 437;
    // language[_territory][.codeset][@modifier]
    std::string_view name(locale);
    name = name.substr(0, name.find_first_of(".@"));
    if (name.size() < 5 || name.substr(0, 2) != "zh" || (name[2] != '_' && name[2] != '-'))
        return 437;
    const std::string_view territory = name.substr(3);
    if (territory == "CN" || territory == "SG")
        return 936;
    if (territory == "TW" || territory == "HK")
        return 950;
    return 437;
}

bool isValidUtf8(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        std::size_t length = 0;
        std::uint32_t code = 0;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            code = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            code = lead & 0x0F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            code = lead & 0x07;
        } else {
            return false;
        }
        if (i + length > text.size())
            return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto c = static_cast<unsigned char>(text[i + k]);
            if ((c & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (c & 0x3F);
        }
        const bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
        if (overlong || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
}

std::string utf8ToCodePage(std::string_view utf8, int codePage)
{
    const std::string charset = requireCharset(codePage);
    if (!isValidUtf8(utf8))
        throw CodePageError("text is not valid UTF-8");
    return convert(utf8, charset, "UTF-8", SkipRule::Utf8Character);
}

std::string codePageToUtf8(std::string_view bytes, int codePage)
{
    const std::string charset = requireCharset(codePage);
    return convert(bytes, "UTF-8", charset, SkipRule::OneByte);
}

} // namespace ktr
