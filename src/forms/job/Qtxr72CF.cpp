#include "Qtxr72CF.h"

TfrmQtxr72::TfrmQtxr72(QObject *owner) : TfrmBaseRpt(owner)
{
    SetName("frmQtxr72");
    resize(574, 404);
    // The advanced options page comes second, before the system options.
    TabSheet1 = new TTabSheet(this, pgOption);
    TabSheet1->SetName("TabSheet1");
    TabSheet1->SetPageControl(pgOption);
    TabSheet1->SetCaption("高级选项");
    TabSheet1->SetPageIndex(1);
}

TfrmQtxr72::~TfrmQtxr72() = default;
