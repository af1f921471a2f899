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
    // The number shows as caption unless a picture replaces it.
    const QString number = QString::number(index);
    try {
        SetCaption(loadGlyph(index) ? QString() : number);
    } catch (const std::exception &error) {
        SetCaption(number);
        qCWarning(lcControls) << "glyph" << index << "of" << Name() << ":" << error.what();
        MessageDlg(glyphErrorText(), mtError, mbOK);
    } catch (...) {
        SetCaption(number);
        qCWarning(lcControls) << "glyph" << index << "of" << Name() << ": unknown error";
        MessageDlg(glyphErrorText(), mtError, mbOK);
    }
}

bool TGSpeedButton::loadGlyph(int index)
{
    const ktr::controls::GlyphLibrary &library = ktr::controls::glyphLibrary();
    if (index == 0 || index > library.maxBmpId()) {
        SetGlyph(QPixmap());
        return false;
    }
    QImage picture;
    if (!library.loadBmp(picture, index)) {
        // Without this the picture of the previous number would stay beside the new number.
        SetGlyph(QPixmap());
        return false;
    }
    if (picture.isNull() || picture.height() <= 0)
        throw EmptyGlyphError(index);
    SetGlyph(QPixmap::fromImage(picture));
    SetNumGlyphs(picture.width() / picture.height());
    return true;
}
