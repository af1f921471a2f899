#pragma once

#include <QImage>

#include <functional>

namespace ktr::controls {

// The glyph library's two entries as the buttons call them: by default the linked
// library's GetMaxBmpID and LoadBmp (KtGlyphs.h). Tests put other entries in place with
// GlyphLibraryScope, for pictures of chosen sizes or a failing library.
struct GlyphLibrary {
    std::function<int()> maxBmpId;
    std::function<bool(QImage &bitmap, int index)> loadBmp;
};

// The entries in use.
const GlyphLibrary &glyphLibrary();

// Puts other entries in place for its lifetime (an empty member keeps the library's).
class GlyphLibraryScope {
public:
    explicit GlyphLibraryScope(GlyphLibrary entries);
    ~GlyphLibraryScope();
    GlyphLibraryScope(const GlyphLibraryScope &) = delete;
    GlyphLibraryScope &operator=(const GlyphLibraryScope &) = delete;

private:
    GlyphLibrary m_previous;
};

} // namespace ktr::controls
