#include "BaseOpt.h"

TfrmBaseOpt::TfrmBaseOpt(QObject *owner) : TfrmBaseGene(owner)
{
    SetName("frmBaseOpt");
}

TfrmBaseOpt::~TfrmBaseOpt() = default;
