#include "GlyphLibrary.h"

#include <KtGlyphs.h>

#include <utility>

namespace ktr::controls {
namespace {

GlyphLibrary linkedLibrary()
{
    return {[] { return GetMaxBmpID(); },
            [](QImage &bitmap, int index) { return LoadBmp(&bitmap, index); }};
}

GlyphLibrary &current()
{
    static GlyphLibrary entries = linkedLibrary();
    return entries;
}

} // namespace

const GlyphLibrary &glyphLibrary()
{
    return current();
}

GlyphLibraryScope::GlyphLibraryScope(GlyphLibrary entries) : m_previous(current())
{
    const GlyphLibrary linked = linkedLibrary();
    current() = {entries.maxBmpId ? std::move(entries.maxBmpId) : linked.maxBmpId,
                 entries.loadBmp ? std::move(entries.loadBmp) : linked.loadBmp};
}

GlyphLibraryScope::~GlyphLibraryScope()
{
    current() = std::move(m_previous);
}

} // namespace ktr::controls
