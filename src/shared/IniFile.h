#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ktr {

// A read-only INI file with the Windows profile-file conventions:
// - "[name]" starts a section; blanks inside the brackets are ignored, text after "]" too;
//   a line that opens a bracket without closing it starts no section, and the key lines
//   after it belong to none until the next section line;
// - "key=value" lines, blanks around "=" ignored; a line without "=" or with an empty key
//   is skipped;
// - section and key names compared without regard to case;
// - values trimmed, then one pair of surrounding double quotes removed;
// - a line whose first non-blank character is ";" is a comment; there are no comments at
//   the end of a line;
// - the first of duplicate sections, and the first of duplicate keys in a section, wins;
// - CR-LF, LF and CR line ends; a UTF-8 byte-order mark is skipped; bytes that are not UTF-8
//   are read as U+FFFD.
class IniFile {
public:
    enum class Status { Read, Missing, Unreadable, TooLarge };
    using Entry = std::pair<std::string, std::string>;

    // Files larger than this are not read: a configuration file is never near it.
    static constexpr qint64 kMaxFileSize = 16 * 1024 * 1024;

    IniFile() = default;
    static IniFile load(const QString &path);
    static IniFile parse(std::string_view content);

    Status status() const { return m_status; }
    bool hasSection(std::string_view section) const;
    // Section names as written, in file order.
    std::vector<std::string> sectionNames() const;
    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    std::string readString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;
    // The value as a decimal integer; the default when the key is missing or no integer.
    std::int32_t readInteger(std::string_view section, std::string_view key,
                             std::int32_t defaultValue) const;
    // The key=value lines of a section in file order, one per key.
    std::vector<Entry> sectionValues(std::string_view section) const;

private:
    struct Section {
        std::string name;
        std::string foldedName;
        std::vector<Entry> entries;
        std::vector<std::string> foldedKeys;
    };
    const Section *findSection(std::string_view section) const;

    std::vector<Section> m_sections;
    Status m_status = Status::Read;
};

} // namespace ktr
