#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

// Transcoding between the UTF-8 texts the port holds and the bytes of the system's code pages,
// through glibc iconv: 936 is read and written as GB18030 (a superset of GBK that loses no
// character), 950 as BIG5, 437 as CP437, 65001 as UTF-8, any other number as "CP<n>" when
// iconv knows it.
namespace ktr {

// Raised when a text that should be UTF-8 is not.
class CodePageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The iconv name of a code page; empty when iconv does not know it.
std::string iconvCharset(int codePage);

// The machine's code page from the locale (LC_ALL, else LC_CTYPE, else LANG): Chinese of the
// mainland or Singapore gives 936, of Taiwan or Hong Kong 950, anything else 437.
int machineCodePage();

// UTF-8 text to the bytes of a code page; a character without a counterpart becomes "?".
// Raises CodePageError for text that is not UTF-8 and for a code page iconv does not know.
std::string utf8ToCodePage(std::string_view utf8, int codePage);
// Bytes of a code page to UTF-8; a byte sequence that is not valid in the code page becomes
// "?". Raises CodePageError for a code page iconv does not know.
std::string codePageToUtf8(std::string_view bytes, int codePage);

bool isValidUtf8(std::string_view text);

} // namespace ktr
