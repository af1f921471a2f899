#pragma once

#include "DLLBaseCtrller.h"

#include "Method.h"

#include <QObject>
#include <QPointer>

#include <memory>

#include "BaseGene.h"
class TDLLRPCtrller;

// Receives the form's OnShow/OnHide/OnDestroy for the controller: event handlers are
// methods of a receiver object, and the controller itself keeps the host's plain layout.
class TControllerEventSink : public QObject {
    Q_OBJECT
public:
    explicit TControllerEventSink(TDLLRPCtrller &controller) : m_controller(controller) {}
    Q_INVOKABLE void DoFormShow(QObject *Sender);
    Q_INVOKABLE void DoFormHide(QObject *Sender);
    Q_INVOKABLE void DoFormDestroy(QObject *Sender);

private:
    TDLLRPCtrller &m_controller;
};

// The plug-in's controller: owns one job form at a time, created from frmBaseGeneClass.
class TDLLRPCtrller : public TDLLBaseController {
public:
    TDLLRPCtrller();
    ~TDLLRPCtrller() override;

    std::u16string GetVersion() override;
    std::int32_t GetVisible() override;
    void SetVisible(std::int16_t Show) override;
    HWND_t GetHandle() override;
    std::int32_t CreateForm(const ktr::Variant &Params) override;
    std::int32_t RunRequest(const ktr::Variant &Request) override;
    std::int32_t RunRequestOfKind(std::int32_t Kind, const ktr::Variant &Request) override;
    ktr::Variant ShowModal() override;
    void FreeForm() override;
    std::int32_t GetInfo(ktr::Variant &Info) override;
    bool IsFormFreed() override;
    void DoFormShow(QObject *Sender) override;
    void DoFormHide(QObject *Sender) override;
    void DoFormDestroy(QObject *Sender) override;

    TfrmBaseGene *form() const { return Form.data(); }

private:
    void hookFormEvents();

    QPointer<TfrmBaseGene> Form;
    TMethod PrevOnShow;
    TMethod PrevOnHide;
    TMethod PrevOnDestroy;
    std::unique_ptr<TControllerEventSink> m_sink;
};

// A class of controller / of job form, as the library's start-up sets them.
using TDLLControllerClass = TDLLBaseController *(*)();
using TfrmBaseGeneClass = TfrmBaseGene *(*)();

extern TDLLControllerClass DLLControllerClass;
extern TfrmBaseGeneClass frmBaseGeneClass;

// Creates a controller from DLLControllerClass; raises the internal error when it is empty.
TDLLBaseController *CreateControllerFromClass();
