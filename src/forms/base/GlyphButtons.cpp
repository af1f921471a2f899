#include "GlyphButtons.h"

#include "DisabledGlyph.h"

#include "Component.h"

#include <QPixmap>
#include <QVariant>

namespace ktr {

QList<QObject *> glyphButtonsOf(QObject *component)
{
    if (!component)
        return {};
    if (component->inherits("TKtBtnDBEdit") || component->inherits("TKtBtnDBCombo")) {
        // The embedded button is a component the edit owns (shown beside it, on its parent).
        if (auto *link = ktr::platform::componentOf(component))
            for (int i = 0; i < link->ComponentCount(); ++i)
                if (link->Components(i)->inherits("TSpeedButton"))
                    return {link->Components(i)};
        return {};
    }
    if (component->inherits("TSpeedButton") || component->inherits("TBitBtn"))
        return {component};
    if (component->inherits("TSelectPanel")) {
        QList<QObject *> buttons;
        for (const char *name : {"btnBegin", "btnFinal", "btnList"}) {
            const QVariant v = component->property(name);
            QObject *button = v.isValid() ? v.value<QObject *>() : component->findChild<QObject *>(name);
            if (button)
                buttons << button;
        }
        return buttons;
    }
    return {};
}

void giveDisabledGlyph(QObject *button)
{
    if (!button || button->property("NumGlyphs").toInt() != 1)
        return;
    const QPixmap glyph = button->property("Glyph").value<QPixmap>();
    if (glyph.isNull())
        return;
    const QImage doubled = makeDoubledGlyph(glyph.toImage());
    button->setProperty("Glyph", QVariant::fromValue(QPixmap::fromImage(doubled)));
    button->setProperty("NumGlyphs", 2);
}

} // namespace ktr
