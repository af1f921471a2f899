// The plug-in's one export. Start-up (static initialisation of the linked units) has set
// DLLControllerClass and frmBaseGeneClass before the host can call it.

#include "DLLRPCtrller.h"
#include "Qtxr72CF.h"

namespace {

const bool formClassRegistered = [] {
    // Created without owner, creation step run at once; the controller frees it (FreeForm)
    // or it frees itself when closed.
    frmBaseGeneClass = [] { return static_cast<TfrmBaseGene *>(ktr::platform::createComponent<TfrmQtxr72>(nullptr)); };
    return true;
}();

} // namespace

// The caller owns the returned controller and deletes it. An unset controller class raises
// the internal error to the host, as the host contract says.
extern "C" __attribute__((visibility("default"))) TDLLBaseController *GetController()
{
    (void)formClassRegistered;
    return CreateControllerFromClass();
}
