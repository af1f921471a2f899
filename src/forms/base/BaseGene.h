#pragma once

#include "KTForm.h"

#include "DBLabel.h"
#include "ExtPage.h"
#include "F2Button.h"

#include "Object.h"
#include "Variant.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>

class TClientDataSet;
class TSocketConnection;

// The generic job form every job form of the plug-in descends from: the host context, the
// services of the work-center, the connection to the application server, the fixed layout
// (condition-scheme pane, option pages, OK/Cancel), the keyboard conventions, the external
// request entry and the virtual operations descendants override.
//
// Lifetime: created without owner by the controller, freed when closed (close action free)
// or by the controller; it owns all its components and releases its services and its
// server connection when destroyed.
class TfrmBaseGene : public TKTForm {
    Q_OBJECT
    Q_PROPERTY(bool WantLog MEMBER WantLog)
    Q_PROPERTY(bool Interactive MEMBER Interactive)
    Q_PROPERTY(int JobResultCode MEMBER JobResultCode)
    Q_PROPERTY(TMethod OnDateFieldEnter MEMBER OnDateFieldEnter)
    Q_PROPERTY(TMethod OnDateFieldExit MEMBER OnDateFieldExit)
    Q_PROPERTY(TMethod OnRequiredExit MEMBER OnRequiredExit)
public:
    explicit TfrmBaseGene(QObject *owner = nullptr);
    ~TfrmBaseGene() override;

    // Host context.
    QString UserId;
    QString CompanyId;
    QString DatabaseId;
    std::intptr_t HostWindow = 0;
    ktr::Variant HostExtra;
    QString ModulePath;
    ktr::ObjectRef WorkCenter;
    ktr::ObjectRef CounterService;
    ktr::ObjectRef ValidatorService;
    ktr::ObjectRef LookupService;
    ktr::ObjectRef AppServer;
    bool LocalServer = false;

    // Program.
    QString ProgramCode;
    QString ProgramName;
    QString ServerClassName;
    QString JobKind = "R";
    QString FormTitle;
    QString CompanyTitle;
    QString VersionStamp = "870401-0.00.00";
    std::int32_t ProductId = 3;
    std::int32_t VersionType = 0;
    bool WantLog = false;

    // Job parameter array.
    std::int32_t EnvCount = 0;
    std::int32_t ConditionCount = 0;
    std::int32_t ConditionBase = 1;
    ktr::Variant JobParams;
    std::int32_t JobResultCode = 0;
    ktr::Variant JobResult;

    // Messages and state.
    QString MessageCodeLog;
    QString MessageTextLog;
    ktr::Variant ExternalRequest;
    bool CheckExternalFields = true;
    bool AutoConfirmPending = false;
    bool Interactive = true;
    bool ValidationFailed = false;
    QPointer<QWidget> LastFocused;
    bool SilentMessages = false;
    bool SystemPageReady = false;
    QList<QPointer<QWidget>> PageEndControls;
    QString DateFields;
    QString YearMonthFields;
    QString RequiredFields;
    QString SchemeKeys;
    QStringList DateConditionRules;
    QString RightsText;
    bool Right7Allowed = true;
    bool Right8Allowed = true;
    bool InProcessRunFlag = false;
    QStringList SysInfoCache; // name=value
    quint8 LookupFlags = 0;

    TMethod OnDateFieldEnter;
    TMethod OnDateFieldExit;
    TMethod OnRequiredExit;

    // Layout (component names are the names saved schemes and packages refer to).
    TPanel *pnlCondition = nullptr;
    TLabel *lblCondition = nullptr;
    TToolBar *ToolBar1 = nullptr;
    TToolButton *btnInsert = nullptr;
    TToolButton *btnOpen = nullptr;
    TToolButton *btnDelete = nullptr;
    TToolButton *ToolButton1 = nullptr;
    TListView *lstCondition = nullptr;
    TSplitter *Splitter1 = nullptr;
    TExtPageControl *pgOption = nullptr;
    TTabSheet *tsOption1 = nullptr;
    TTabSheet *tsOption2 = nullptr;
    TDBLabel *lblToday = nullptr;
    TMaskEdit *edPrintDate = nullptr;
    TF2Button *btnPrintDate = nullptr;
    TPanel *Panel1 = nullptr;
    TBitBtn *btnOk = nullptr;
    TBitBtn *btnCancel = nullptr;
    TSocketConnection *MainMidas = nullptr;
    TPopupMenu *muOperation = nullptr;
    TPopupMenu *mnList = nullptr;
    TClientDataSet *ClientDataSet1 = nullptr;
    TImageList *ImageList1 = nullptr;
    TImageList *ImageList2 = nullptr;

    // Used by the controller.
    void SetModulePath(const QString &path);
    void ApplyExternalRequest(const ktr::Variant &request);

    // Offered to descendants.
    void ApplyRights(const ktr::Variant &answer);
    void SetConditionCount(std::int32_t n);
    bool IsLibraryModule() const;
    void ShowHelp();
    void SetTitle(const QString &title);

    // Messages, system information and checks.
    void ReportMessage(const QString &code);
    void RecordError(const QString &text);
    QString GetMessageText(const QString &typeLetter, const QString &number);
    int ShowDialog(const QString &text, TMsgDlgType dialogType, TMsgDlgButtons buttons);
    QString GetSysInfo(const QString &name);
    std::int32_t GetDateKind();
    QString GetDateSign();
    void LoadProgramInfo(const QString &programCode);
    bool CheckTableValue(const QString &table, const QString &key, bool useQuery, ktr::Variant &row,
                         const ktr::Variant &keyValues);
    bool CheckExternalFieldList(const ktr::Variant &x);
    QString PickDate(const QString &text);

    // Virtual operations, in table order.
    virtual void LayoutSystemPage();
    virtual bool BuildJobParams();
    virtual void InitSettings();
    virtual void PickPhrase(QWidget *control);
    virtual void SetRequiredFields(const QString &list);
    virtual bool RunJobInProcess(const QString &p1, const QString &p2, const QString &p3, std::int32_t p4,
                                 const ktr::Variant &p5, const QString &p6, const QString &p7,
                                 const QString &p8, const QString &p9, const QString &p10,
                                 const QString &p11);
    virtual void PrepareDataSets();
    virtual void InitEnvironment();
    virtual bool Initialize(const ktr::Variant &params);
    virtual void SpareHook1() {}
    virtual bool FillConditionValues(ktr::Variant &values, std::int32_t offset);
    virtual bool ApplyExternalValues(const ktr::Variant &values);
    virtual void SpareHook2() {}
    virtual bool FillEnvironment(ktr::Variant &env, std::int32_t count);
    virtual bool FillConditionCaptions(ktr::Variant &captions, std::int32_t offset);
    virtual void RightsChanged() {}
    virtual void GetLookupData(const QString &table, const QString &key, ktr::Variant &result,
                               bool multiSelect, const QString &currentText, const ktr::Variant &extra);
    virtual void PrepareConnection(TSocketConnection *connection);
    virtual bool SaveScheme(const QString &keys, const QString &name, bool flag);
    virtual bool LoadSchemeValues(const QString &keys, const QString &values);
    virtual bool RefreshSchemeList();
    virtual bool AfterSchemeOpened() { return true; }
    virtual bool RunExternalMode(std::int32_t mode);
    virtual void BeforeApplyValue(QObject *component, const QString &value);
    virtual void AfterApplyValue(QObject *component, const QString &value);

    // Dynamic operations.
    virtual void OpenLookup(quint16 key, QWidget *control);

    // Published event handlers, bound by name.
    Q_INVOKABLE void FormShow(QObject *Sender);
    Q_INVOKABLE void FormDestroy(QObject *Sender);
    Q_INVOKABLE void FormKeyDown(QObject *Sender, quint16 *Key, int Shift);
    Q_INVOKABLE void FormKeyPress(QObject *Sender, QChar *Key);
    Q_INVOKABLE void pgOptionChange(QObject *Sender);
    Q_INVOKABLE void pgOptionChanging(QObject *Sender, bool *AllowChange);
    Q_INVOKABLE void btnCancelClick(QObject *Sender);

protected:
    void DoCreate() override;
    void DoClose(TCloseAction &action) override;
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

    bool ConfigureConnection();
    bool ConnectAppServer();
    void CreateServices();
    void CreateLookupService();
    void FocusFirstControl(TTabSheet *page);
    void RequestClose();

private:
    void buildLayout();
    void layoutButtonPanel();
    void onFocusChanged(QWidget *now);
    bool isPageEndControl(QWidget *control) const;
    void repaintHostWindow();
    bool isStandAlone() const { return !IsLibraryModule(); }

    bool m_initializedOnce = false;
    bool m_standAloneChecked = false;
};
