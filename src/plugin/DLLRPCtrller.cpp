#include "DLLRPCtrller.h"

#include "BaseGene.h"
#include "ModulePath.h"

#include "Component.h"

#include <stdexcept>

TDLLControllerClass DLLControllerClass = nullptr;
TfrmBaseGeneClass frmBaseGeneClass = nullptr;

namespace {

// Start-up of this unit: the controller class this library hands out.
const bool controllerClassRegistered = [] {
    DLLControllerClass = [] { return static_cast<TDLLBaseController *>(new TDLLRPCtrller); };
    return true;
}();

// The file this code was loaded from; it does not change while the module is loaded.
const QString &modulePath()
{
    static const QString path = ktr::currentModulePath();
    return path;
}

std::runtime_error internalError(const char *variable)
{
    return std::runtime_error(std::string("KTR DLL Internal Error :\rNot Assign \"") + variable +
                              "\" varible");
}

} // namespace

TDLLBaseController *CreateControllerFromClass()
{
    (void)controllerClassRegistered;
    if (!DLLControllerClass)
        throw internalError("DLLControllerClass");
    return DLLControllerClass();
}

void TControllerEventSink::DoFormShow(QObject *Sender) { m_controller.DoFormShow(Sender); }
void TControllerEventSink::DoFormHide(QObject *Sender) { m_controller.DoFormHide(Sender); }
void TControllerEventSink::DoFormDestroy(QObject *Sender) { m_controller.DoFormDestroy(Sender); }

TDLLRPCtrller::TDLLRPCtrller() : m_sink(std::make_unique<TControllerEventSink>(*this)) {}

TDLLRPCtrller::~TDLLRPCtrller() { FreeForm(); }

std::u16string TDLLRPCtrller::GetVersion()
{
    return Form ? Form->VersionStamp.toStdU16String() : std::u16string();
}

std::int32_t TDLLRPCtrller::GetVisible() { return Form && Form->isVisible() ? -1 : 0; }

void TDLLRPCtrller::SetVisible(std::int16_t Show)
{
    if (!Form)
        return;
    const bool wasVisible = Form->isVisible();
    Form->setVisible(Show != 0);
    if (Show != 0) {
        if (Form->windowState() & Qt::WindowMinimized)
            Form->setWindowState(Form->windowState() & ~Qt::WindowMinimized);
        // A window just shown is already in front; one that was open is brought there.
        if (wasVisible)
            Form->raise();
        Form->activateWindow();
    }
}

HWND_t TDLLRPCtrller::GetHandle() { return Form ? static_cast<HWND_t>(Form->winId()) : 0; }

std::int32_t TDLLRPCtrller::CreateForm(const ktr::Variant &Params)
{
    std::int32_t result = -1;
    if (!Form) {
        if (!frmBaseGeneClass)
            throw internalError("frmBaseGeneClass");
        Form = frmBaseGeneClass();
        Form->SetModulePath(modulePath());
        Form->WorkCenter = ktr::objectOf(HostObject);
        DoFormCreated(m_sink.get());
    }
    hookFormEvents();
    if (Form && Form->Initialize(Params))
        result = 0;
    return result;
}

// Saves the form's own handlers and puts the controller's in their place. A second
// CreateForm finds its own handlers already there and leaves the saved ones alone, so a
// handler never ends up calling itself.
void TDLLRPCtrller::hookFormEvents()
{
    if (!Form)
        return;
    struct Hook {
        TMethod (TForm::*event)() const;
        void (TForm::*setEvent)(const TMethod &);
        const char *handler;
        TMethod *saved;
    } hooks[] = {{&TForm::OnShow, &TForm::SetOnShow, "DoFormShow", &PrevOnShow},
                 {&TForm::OnHide, &TForm::SetOnHide, "DoFormHide", &PrevOnHide},
                 {&TForm::OnDestroy, &TForm::SetOnDestroy, "DoFormDestroy", &PrevOnDestroy}};
    TForm *form = Form.data();
    for (const Hook &h : hooks) {
        const TMethod own = MethodOf(m_sink.get(), h.handler);
        const TMethod current = (form->*h.event)();
        if (current == own)
            continue;
        *h.saved = current;
        (form->*h.setEvent)(own);
    }
}

std::int32_t TDLLRPCtrller::RunRequest(const ktr::Variant &Request)
{
    try {
        if (!Form || Request.isNull() || !Request.isArray())
            return -1;
        Form->ApplyExternalRequest(ktr::Variant::array({true, Request.at(1)}));
        return 0;
    } catch (...) {
        return -1;
    }
}

std::int32_t TDLLRPCtrller::RunRequestOfKind(std::int32_t Kind, const ktr::Variant &Request)
{
    try {
        if (!Form || (Kind != 5 && Kind != 9))
            return -1;
        Form->ApplyExternalRequest(ktr::Variant::array({false, Request}));
        return 0;
    } catch (...) {
        return -1;
    }
}

ktr::Variant TDLLRPCtrller::ShowModal()
{
    if (!Form)
        return ktr::Variant(std::int32_t(2));
    return ktr::Variant(std::int32_t(Form->ShowModal()));
}

void TDLLRPCtrller::FreeForm()
{
    if (Form && !Form->Destroying())
        ktr::platform::Free(Form.data());
}

std::int32_t TDLLRPCtrller::GetInfo(ktr::Variant &Info)
{
    if (!Form)
        return -1;
    Info = ktr::Variant::array({Form->UserId.toStdString(), Form->CompanyId.toStdString(),
                                Form->ProgramCode.toStdString(), Form->ProgramName.toStdString()});
    return 0;
}

bool TDLLRPCtrller::IsFormFreed() { return !Form; }

void TDLLRPCtrller::DoFormShow(QObject *Sender)
{
    CallNotify(PrevOnShow, Sender);
    TDLLBaseController::DoFormShow(Sender);
}

void TDLLRPCtrller::DoFormHide(QObject *Sender)
{
    CallNotify(PrevOnHide, Sender);
    TDLLBaseController::DoFormHide(Sender);
}

void TDLLRPCtrller::DoFormDestroy(QObject *Sender)
{
    if (Form) {
        ResultCode = Form->JobResultCode;
        ResultValue = Form->JobResult;
        CallNotify(PrevOnDestroy, Sender);
        TDLLBaseController::DoFormDestroy(Sender);
    }
    Form = nullptr;
}
