#pragma once

#include "BtChkBox.h"

#include "MaskEdit.h"

// The check box that switches a user-choice selection panel between range and list.
class TQuilCheckBox : public TBitCheckBox {
    Q_OBJECT
public:
    explicit TQuilCheckBox(QObject *owner = nullptr, QWidget *parent = nullptr)
        : TBitCheckBox(owner, parent)
    {
    }
};

// A range end of a selection panel: a masked edit whose change notification can be held
// back while the panel rewrites the text for itself.
class TQuilMaskEdit : public TMaskEdit {
    Q_OBJECT
public:
    explicit TQuilMaskEdit(QObject *owner = nullptr, QWidget *parent = nullptr)
        : TMaskEdit(owner, parent)
    {
    }

    bool SuppressChange() const { return m_suppressChange; }
    void SetSuppressChange(bool value) { m_suppressChange = value; }

    void Change() override
    {
        if (!m_suppressChange)
            TMaskEdit::Change();
    }

private:
    bool m_suppressChange = false;
};
