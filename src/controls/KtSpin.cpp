#include "KtSpin.h"

TKtSpinEdit::TKtSpinEdit(QObject *owner, QWidget *parent) : TSpinEdit(owner, parent)
{
}

TKtSpinEdit::~TKtSpinEdit() = default;

void TKtSpinEdit::Change()
{
    const QString text = Text();
    for (const QChar sign : {QLatin1Char('+'), QLatin1Char('-')}) {
        if (text.indexOf(sign, 1) > 0) {
            // Setting the shorter text is a change of its own; it runs this rule again.
            SetText(text.chopped(1));
            return;
        }
    }
    if (!text.trimmed().isEmpty())
        TSpinEdit::Change();
}
