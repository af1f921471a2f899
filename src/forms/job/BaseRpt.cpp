#include "BaseRpt.h"

TfrmBaseRpt::TfrmBaseRpt(QObject *owner) : TfrmBaseOpt(owner)
{
    SetName("frmBaseRpt");
}

TfrmBaseRpt::~TfrmBaseRpt() = default;
