#include "GSpdBtn.h"

#include "ControlsLog.h"
#include "GlyphLibrary.h"

#include <Dialogs.h>

#include <stdexcept>

namespace {

// A picture the library reported as loaded but that has no cells to show.
class EmptyGlyphError : public std::runtime_error {
public:
    explicit EmptyGlyphError(int index)
        : std::runtime_error("glyph " + std::to_string(index) + " is an empty picture")
    {
    }
};

} // namespace

TGSpeedButton::TGSpeedButton(QObject *owner, QWidget *parent) : TSpeedButton(owner, parent)
{
}

TGSpeedButton::~TGSpeedButton() = default;

QString TGSpeedButton::glyphErrorText()
{
    return QStringLiteral("读取 BMP 发生错误");
}

void TGSpeedButton::SetGlyphIndex(int index)
{
    if (index == m_glyphIndex)
        return;
    m_glyphIndex = index;
    // The number stays as caption until a picture replaces it.
    SetCaption(QString::number(index));
    try {
        loadGlyph(index);
    } catch (const std::exception &error) {
        qCWarning(lcControls) << "glyph" << index << "of" << Name() << ":" << error.what();
        MessageDlg(glyphErrorText(), mtError, mbOK);
    } catch (...) {
        qCWarning(lcControls) << "glyph" << index << "of" << Name() << ": unknown error";
        MessageDlg(glyphErrorText(), mtError, mbOK);
    }
}

void TGSpeedButton::loadGlyph(int index)
{
    const ktr::controls::GlyphLibrary &library = ktr::controls::glyphLibrary();
    if (index == 0 || index > library.maxBmpId()) {
        SetGlyph(QPixmap());
        return;
    }
    QImage picture;
    if (!library.loadBmp(picture, index)) {
        // Without this the picture of the previous number would stay beside the new number.
        SetGlyph(QPixmap());
        return;
    }
    if (picture.isNull() || picture.height() <= 0)
        throw EmptyGlyphError(index);
    SetGlyph(QPixmap::fromImage(picture));
    SetCaption(QString());
    SetNumGlyphs(picture.width() / picture.height());
}
