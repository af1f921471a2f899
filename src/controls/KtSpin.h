#pragma once

#include <SpinEdit.h>

// A spin edit that keeps stray signs out of its text: a "+" or "-" anywhere but first is
// removed together with what follows it, one character at a time (each removal is a
// change of its own). OnChange is raised only for a text that is not blank.
class TKtSpinEdit : public TSpinEdit {
    Q_OBJECT
public:
    explicit TKtSpinEdit(QObject *owner = nullptr, QWidget *parent = nullptr);
    ~TKtSpinEdit() override;

    void Change() override;
};
