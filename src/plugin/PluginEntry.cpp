// The plug-in's one export. Start-up (static initialisation of the linked units) has set
// DLLControllerClass and frmBaseGeneClass before the host can call it.

#include "DLLRPCtrller.h"
#include "Qtxr72CF.h"

namespace {

const bool formClassRegistered = [] {
    frmBaseGeneClass = [] { return static_cast<TfrmBaseGene *>(new TfrmQtxr72); };
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
