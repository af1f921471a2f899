#include "IniFile.h"

#include "NumberText.h"
#include "SharedLogging.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <unordered_set>

namespace ktr {

namespace {

std::string folded(std::string_view name)
{
    // Case folding leaves ASCII as lower case ASCII; only other text needs the tables.
    const bool ascii = std::all_of(name.begin(), name.end(), [](char c) { return (c & 0x80) == 0; });
    if (!ascii)
        return QString::fromUtf8(name.data(), qsizetype(name.size())).toCaseFolded().toStdString();
    std::string lower(name);
    for (char &c : lower)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return lower;
}

// Trims blanks and tabs only; a profile file's lines carry no other control characters
// that matter, and values keep any they have inside.
std::string_view trimBlanks(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

std::string unquoted(std::string_view value)
{
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        value = value.substr(1, value.size() - 2);
    return std::string(value);
}

} // namespace

IniFile IniFile::load(const QString &path)
{
    IniFile ini;
    QFile file(path);
    // Unbuffered: the file is read in one piece at its size, without probing for more.
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        if (!QFileInfo::exists(path)) {
            ini.m_status = Status::Missing;
            return ini;
        }
        qCWarning(lcShared) << "INI file not readable:" << path << file.errorString();
        ini.m_status = Status::Unreadable;
        return ini;
    }
    // Read at the file's size: a buffer as large as the limit would be mapped and unmapped
    // by the allocator on every read.
    if (file.size() > kMaxFileSize) {
        qCWarning(lcShared) << "INI file too large, not read:" << path;
        ini.m_status = Status::TooLarge;
        return ini;
    }
    const QByteArray bytes = file.readAll();
    ini = parse(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    return ini;
}

IniFile IniFile::parse(std::string_view content)
{
    IniFile ini;
    // Bytes that are not UTF-8 become U+FFFD, so that every value handed out is valid UTF-8.
    const std::string text = QString::fromUtf8(content.data(), qsizetype(content.size())).toStdString();
    std::string_view rest = text;
    if (rest.substr(0, 3) == "\xEF\xBB\xBF")
        rest.remove_prefix(3);

    std::unordered_set<std::string> seenSections;
    std::unordered_set<std::string> seenKeys;
    Section *current = nullptr;
    while (!rest.empty()) {
        const std::size_t end = rest.find_first_of("\r\n");
        std::string_view line = rest.substr(0, end);
        if (end == std::string_view::npos) {
            rest = {};
        } else {
            const bool crlf = rest[end] == '\r' && end + 1 < rest.size() && rest[end + 1] == '\n';
            rest.remove_prefix(end + (crlf ? 2 : 1));
        }
        line = trimBlanks(line);
        if (line.empty() || line.front() == ';')
            continue;
        if (line.front() == '[') {
            const std::size_t close = line.find(']');
            current = nullptr;
            if (close == std::string_view::npos)
                continue;
            const std::string name(trimBlanks(line.substr(1, close - 1)));
            std::string key = folded(name);
            if (!seenSections.insert(key).second)
                continue;
            seenKeys.clear();
            ini.m_sections.push_back(Section{name, std::move(key), {}, {}});
            current = &ini.m_sections.back();
            continue;
        }
        if (!current)
            continue;
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos)
            continue;
        const std::string_view key = trimBlanks(line.substr(0, equals));
        if (key.empty())
            continue;
        std::string foldedKey = folded(key);
        if (!seenKeys.insert(foldedKey).second)
            continue;
        current->foldedKeys.push_back(std::move(foldedKey));
        current->entries.emplace_back(std::string(key),
                                      unquoted(trimBlanks(line.substr(equals + 1))));
    }
    return ini;
}

const IniFile::Section *IniFile::findSection(std::string_view section) const
{
    const std::string key = folded(section);
    for (const auto &s : m_sections) {
        if (s.foldedName == key)
            return &s;
    }
    return nullptr;
}

bool IniFile::hasSection(std::string_view section) const
{
    return findSection(section) != nullptr;
}

std::vector<std::string> IniFile::sectionNames() const
{
    std::vector<std::string> names;
    names.reserve(m_sections.size());
    for (const auto &s : m_sections)
        names.push_back(s.name);
    return names;
}

std::optional<std::string> IniFile::value(std::string_view section, std::string_view key) const
{
    const Section *s = findSection(section);
    if (!s)
        return std::nullopt;
    const std::string foldedKey = folded(key);
    for (std::size_t i = 0; i < s->entries.size(); ++i) {
        if (s->foldedKeys[i] == foldedKey)
            return s->entries[i].second;
    }
    return std::nullopt;
}

std::string IniFile::readString(std::string_view section, std::string_view key,
                                std::string_view defaultValue) const
{
    if (auto v = value(section, key))
        return std::move(*v);
    return std::string(defaultValue);
}

std::int32_t IniFile::readInteger(std::string_view section, std::string_view key,
                                  std::int32_t defaultValue) const
{
    const auto v = value(section, key);
    if (!v)
        return defaultValue;
    return tryStrToInt(*v).value_or(defaultValue);
}

std::vector<IniFile::Entry> IniFile::sectionValues(std::string_view section) const
{
    const Section *s = findSection(section);
    return s ? s->entries : std::vector<Entry>();
}

} // namespace ktr
