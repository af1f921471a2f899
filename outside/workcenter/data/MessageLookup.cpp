#include "MessageLookup.h"

#include <algorithm>
#include <cctype>

namespace ktr::workcenter {

namespace {

std::string trimmed(std::string_view text)
{
    const auto b = text.find_first_not_of(" \t");
    if (b == std::string_view::npos)
        return {};
    const auto e = text.find_last_not_of(" \t");
    return std::string(text.substr(b, e - b + 1));
}

std::string normalNumber(std::string_view number)
{
    std::string digits = trimmed(number);
    const bool allDigits = !digits.empty() && std::all_of(digits.begin(), digits.end(), [](unsigned char c) {
        return std::isdigit(c);
    });
    if (allDigits && digits.size() < 6)
        digits.insert(0, 6 - digits.size(), '0');
    return digits;
}

std::string escapedPercent(std::string text)
{
    for (std::size_t i = text.find('%'); i != std::string::npos; i = text.find('%', i + 2))
        text.insert(i, 1, '%');
    return text;
}

} // namespace

std::string messageText(store::Database &db, Language language, std::string_view type,
                        std::string_view number)
{
    std::string letter = trimmed(type);
    std::transform(letter.begin(), letter.end(), letter.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    const std::string digits = normalNumber(number);
    const char *preferred = pickText(language, "CHS", "CHT", "ENG");
    auto q = db.query("SELECT text FROM messages WHERE type = ?1 AND number = ?2"
                      " ORDER BY CASE language WHEN ?3 THEN 0 WHEN 'CHS' THEN 1 WHEN 'ENG' THEN 2 ELSE 3 END"
                      " LIMIT 1");
    q->bind(1, letter).bind(2, digits).bind(3, preferred);
    if (q->step())
        return q->text(0);
    const std::string code = escapedPercent(letter + ";" + digits);
    return pickText(language, "消息 ", "訊息 ", "Message ") + code +
           pickText(language, " 不在消息表中", " 不在訊息表中", " is not in the message catalogue");
}

} // namespace ktr::workcenter
