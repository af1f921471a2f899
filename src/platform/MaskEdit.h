#pragma once

#include "Edit.h"
#include "ktrplatform_global.h"

namespace ktr::platform {

// An edit mask in the masked-edit convention "<mask>;<save literals 0|1>;<blank>".
// Mask characters: '0' digit required, '9' digit optional, '#' digit or sign optional,
// 'L'/'l' letter required/optional, 'A'/'a' letter or digit required/optional,
// 'C'/'c' any character required/optional, '>' upper case, '<' lower case, "<>" no case
// change, '!' (accepted, no effect), '\' takes the next character literally; anything
// else is a literal kept in the text when save literals is 1.
struct EditMaskParts {
    QString mask;             // the mask field alone
    bool saveLiterals = true;
    QChar blank = QLatin1Char('_');
    QString qtInputMask;      // the same mask for QLineEdit::setInputMask, blank included
    QList<bool> inputPositions; // per character of the shown text: true where one is typed
};
KTRPLATFORM_EXPORT EditMaskParts parseEditMask(const QString &editMask);

} // namespace ktr::platform

// An edit with an edit mask (see ktr::platform::EditMaskParts). The text shows the
// literals and a blank character where nothing was typed ("9999/99/99;1; " shows
// "    /  /  " when empty); typing fills the input positions and skips the literals;
// setting Text fits its characters into the positions; a new EditMask keeps what fits of
// the current text. Text includes the literals when save literals is 1, else only the
// typed characters; EditText is always what is shown.
class KTRPLATFORM_EXPORT TMaskEdit : public TEdit {
    Q_OBJECT
    Q_PROPERTY(QString EditMask READ EditMask WRITE SetEditMask)
    Q_PROPERTY(QString EditText READ EditText WRITE SetEditText)
public:
    explicit TMaskEdit(QObject *owner = nullptr, QWidget *parent = nullptr);
    ~TMaskEdit() override;

    QString EditMask() const { return m_editMask; }
    virtual void SetEditMask(const QString &editMask);
    bool IsMasked() const { return !m_parts.mask.isEmpty(); }
    QString EditText() const;
    void SetEditText(const QString &text);

    QString GetText() const override;
    void SetText(const QString &text) override;

private:
    QString m_editMask;
    ktr::platform::EditMaskParts m_parts;
};
