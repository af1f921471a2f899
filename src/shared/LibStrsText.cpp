#include "LibStrs.h"

#include "HostEnvironment.h"
#include "NumberText.h"

#include <QString>

#include <algorithm>
#include <array>

namespace {

// An empty separator or pattern is never found.
std::size_t findText(std::string_view text, std::string_view pattern, std::size_t from = 0)
{
    if (pattern.empty())
        return std::string_view::npos;
    return text.find(pattern, from);
}

bool equalIgnoringCase(std::string_view a, std::string_view b)
{
    return QString::fromUtf8(a.data(), qsizetype(a.size()))
               .compare(QString::fromUtf8(b.data(), qsizetype(b.size())), Qt::CaseInsensitive)
        == 0;
}

// Replacement steps allowed when a replacement does not make the text shorter, so that
// a pattern that keeps reappearing cannot hold the caller forever.
constexpr std::size_t kMaxGrowingReplacements = 1'000'000;

} // namespace

std::string ExtractField(std::string_view text, std::string_view separator, int n)
{
    if (text.empty())
        return {};
    std::string_view rest = text;
    std::string_view current;
    int taken = 0;
    bool found = true;
    while (taken < n && found) {
        const std::size_t pos = findText(rest, separator);
        if (pos != std::string_view::npos) {
            current = rest.substr(0, pos);
            rest = rest.substr(pos + separator.size());
        } else {
            current = rest;
            found = false;
        }
        ++taken;
    }
    return taken == n ? std::string(current) : std::string();
}

int CountFields(std::string_view text, std::string_view separator)
{
    if (text.empty())
        return 0;
    int count = 1;
    for (std::size_t pos = findText(text, separator); pos != std::string_view::npos;
         pos = findText(text, separator, pos + separator.size()))
        ++count;
    return count;
}

std::string CutToken(std::string &text, std::string_view separator)
{
    const std::size_t pos = findText(text, separator);
    if (pos == std::string::npos) {
        std::string head = std::move(text);
        text.clear();
        return head;
    }
    std::string head = text.substr(0, pos);
    text.erase(0, pos + separator.size());
    return head;
}

std::string ReplaceAll(std::string_view text, std::string_view pattern,
                       std::string_view replacement, bool trim)
{
    if (equalIgnoringCase(pattern, replacement))
        return std::string(text);
    std::string result(text);
    if (!pattern.empty()) {
        if (replacement.find(pattern) != std::string_view::npos) {
            // Searching again from the start would find the replacement itself for ever;
            // such a replacement is made once for each occurrence, left to right.
            for (std::size_t pos = result.find(pattern); pos != std::string::npos;
                 pos = result.find(pattern, pos + replacement.size()))
                result.replace(pos, pattern.size(), replacement);
        } else {
            // Every earlier position was searched already, so a new occurrence can start at
            // most pattern-length - 1 characters before the last change.
            const bool shrinks = replacement.size() < pattern.size();
            std::size_t steps = 0;
            std::size_t pos = result.find(pattern);
            while (pos != std::string::npos && (shrinks || steps++ < kMaxGrowingReplacements)) {
                result.replace(pos, pattern.size(), replacement);
                const std::size_t back = std::min(pos, pattern.size() - 1);
                pos = result.find(pattern, pos - back);
            }
        }
    }
    return trim ? ktr::trimmed(result) : result;
}

ktr::Variant IfThenVar(bool flag, const ktr::Variant &a, const ktr::Variant &b)
{
    return flag ? a : b;
}

bool VarIsBlank(const ktr::Variant &value)
{
    return value.isEmptyOrNull();
}

std::string PackParamText(std::string_view prefix, const ktr::Variant &counted)
{
    const char separator = '\x03';
    const ktr::Variant &count = counted.at(0);
    std::string result(prefix);
    result += separator;
    result += count.toString();
    result += separator;
    const std::int32_t n = ktr::variantToInt(count);
    for (std::int32_t i = 1; i <= n; ++i) {
        result += counted.at(i).toString();
        result += separator;
    }
    return result;
}

std::string ButtonCaptionText(std::string_view buttonName)
{
    static const std::array<std::pair<std::string_view, std::string_view>, 11> captions = {{
        {"Yes", "是(&Y)"},
        {"No", "否(&N)"},
        {"OK", "确定"},
        {"Cancel", "取消"},
        {"Abort", "中断(&A)"},
        {"Retry", "重试(&R)"},
        {"Ignore", "忽略(&I)"},
        {"All", "全部(&A)"},
        {"NoToAll", "全否(&o)"},
        {"YesToAll", "全是(&A)"},
        {"Help", "帮助(&H)"},
    }};
    for (const auto &[name, caption] : captions) {
        if (name == buttonName)
            return std::string(caption);
    }
    return std::string(buttonName);
}

double StrToFloatDefault(std::string_view text, double defaultValue)
{
    return ktr::tryStrToFloat(text).value_or(defaultValue);
}

std::string GetLongTempPath()
{
    return ktr::joinPath(ktr::userTempFolder(), std::string());
}

bool IsLocalHost(std::string_view address)
{
    return address == "127.0.0.1";
}
