#pragma once

// The contract between the host and a job plug-in: the controller object the plug-in's
// export `GetController` returns. The host and the plug-in share this header: the order of
// the fields and the order of the 18 virtual operations below are the contract, so never
// reorder, insert or remove either. The destructor comes after the 18 operations.

#include "Variant.h"

#include <cstdint>
#include <string>

class QObject;
class TDLLBaseController;

// Event codes the controller reports to the host.
enum : std::int32_t {
    EV_FORM_CREATED = 256,
    EV_FORM_SHOWN = 272,
    EV_FORM_HIDDEN = 288,
    EV_FORM_DESTROYED = 304,
    EV_HOST = 320,
};

// The host's event handler, a method pointer: code plus receiver. "Assigned" means the code
// is not null.
struct TControllerEvent {
    void (*Code)(void *Data, std::int32_t EventCode, TDLLBaseController *Sender) = nullptr;
    void *Data = nullptr;
    bool assigned() const { return Code != nullptr; }
};

// A window handle as the host sees it (the native window id).
using HWND_t = std::uintptr_t;

class TDLLBaseController {
public:
    // 0..10: implemented by the plug-in's controller.
    virtual std::u16string GetVersion() = 0;
    virtual std::int32_t GetVisible() = 0;                 // -1 true, 0 false
    virtual void SetVisible(std::int16_t Show) = 0;        // any non-zero shows
    virtual HWND_t GetHandle() = 0;
    virtual std::int32_t CreateForm(const ktr::Variant &Params) = 0; // 0 or -1
    virtual std::int32_t RunRequest(const ktr::Variant &Request) = 0;
    virtual std::int32_t RunRequestOfKind(std::int32_t Kind, const ktr::Variant &Request) = 0;
    virtual ktr::Variant ShowModal() = 0;
    virtual void FreeForm() = 0;
    virtual std::int32_t GetInfo(ktr::Variant &Info) = 0;
    virtual bool IsFormFreed() = 0;
    // 11..17: events, with their base behaviour.
    virtual void DoFormCreated(QObject *Sender) { (void)Sender; FireEvent(EV_FORM_CREATED); }
    virtual void DoFormShow(QObject *Sender) { (void)Sender; FireEvent(EV_FORM_SHOWN); }
    virtual void DoFormHide(QObject *Sender) { (void)Sender; FireEvent(EV_FORM_HIDDEN); }
    virtual void DoFormDestroy(QObject *Sender) { (void)Sender; FireEvent(EV_FORM_DESTROYED); }
    virtual void DoHostEvent(QObject *Sender) { (void)Sender; FireEvent(EV_HOST); }
    virtual void FireEvent(std::int32_t Code)
    {
        if (OnControllerEvent.assigned())
            OnControllerEvent.Code(OnControllerEvent.Data, Code, this);
    }
    virtual void Reserved() {}

    virtual ~TDLLBaseController() = default;

    void *ReservedField = nullptr;    // never read or written by the plug-in
    ktr::Variant HostObject;          // the host's work-center object
    std::int32_t ResultCode = 0;      // outcome code, set when the form is destroyed
    ktr::Variant ResultValue;         // outcome value, set when the form is destroyed
    TControllerEvent OnControllerEvent;
};

// The plug-in's one export.
using GetControllerFunction = TDLLBaseController *(*)();
