#include "LibStrs.h"

#include "AlertLog.h"
#include "CodePage.h"

#include <exception>

namespace {

int usableCodePage(int codePage)
{
    return ktr::iconvCharset(codePage).empty() ? ktr::machineCodePage() : codePage;
}

// A text as it reads after a trip through the code page's bytes.
std::string throughCodePage(const std::string &text, int codePage)
{
    return CodePageToWide(WideToCodePage(text, codePage), codePage);
}

enum class Direction { ToCodePage, FromCodePage };

ktr::Variant convertText(const ktr::Variant &text, int codePage, Direction direction)
{
    const std::string converted = throughCodePage(text.toString(), codePage);
    return direction == Direction::ToCodePage ? ktr::Variant::byteText(converted)
                                              : ktr::Variant::wideText(converted);
}

// Arrays: nested arrays of a one-dimensional array are converted too; of the texts, only
// wide texts are converted. Arrays of more than two dimensions pass unchanged.
void convertArray(ktr::Variant &array, int codePage, Direction direction)
{
    const auto dimensions = array.dimensions();
    if (dimensions > 2)
        return;
    for (ktr::Variant &element : array.mutableElements()) {
        if (dimensions == 1 && element.isArray())
            convertArray(element, codePage, direction);
        else if (element.type() == ktr::VarType::WideText)
            element = convertText(element, codePage, direction);
    }
}

ktr::Variant convertVariant(const ktr::Variant &value, int codePage, Direction direction,
                            const char *logPrefix)
{
    if (value.isEmptyOrNull())
        return value;
    try {
        if (value.isText())
            return convertText(value, codePage, direction);
        if (value.isArray()) {
            ktr::Variant copy = value;
            convertArray(copy, codePage, direction);
            return copy;
        }
        return value;
    } catch (const std::exception &error) {
        WriteAlertLog("libstrs", std::string(logPrefix) + error.what(), "D");
        return value;
    }
}

} // namespace

std::string WideToCodePage(std::string_view wide, int codePage)
{
    return ktr::utf8ToCodePage(wide, usableCodePage(codePage));
}

std::string CodePageToWide(std::string_view bytes, int codePage)
{
    return ktr::codePageToUtf8(bytes, usableCodePage(codePage));
}

ktr::Variant VarToCodePage(const ktr::Variant &value, int codePage)
{
    return convertVariant(value, codePage, Direction::ToCodePage, "LINE[2735] ");
}

ktr::Variant VarFromCodePage(const ktr::Variant &value, int codePage)
{
    return convertVariant(value, codePage, Direction::FromCodePage, "LINE[115] ");
}
