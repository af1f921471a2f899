#include "BaseGene.h"

#include "ClientDataSet.h"
#include "GlyphLibrary.h"
#include "KeelhavenINI.h"
#include "LibStrs.h"
#include "SocketConnection.h"

#include "ClassRegistry.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace {

QString textOf(const ktr::Variant &v)
{
    return QString::fromStdString(v.toString());
}

// The component that owns a control: a selection panel owns its edits and list.
QObject *componentOwner(const QObject *control)
{
    const auto *link = ktr::platform::componentOf(control);
    return link ? link->Owner() : nullptr;
}

bool isNonEmptyArray(const ktr::Variant &v)
{
    return v.isArray() && v.elementCount() > 0;
}

} // namespace

TfrmBaseGene::TfrmBaseGene(QObject *owner) : TKTForm(owner)
{
    SetName("frmBaseGene");
    resize(509, 355);
    SetBorderIcons(biSystemMenu | biMaximize);
    SetKeyPreview(true);
    SetPosition(poScreenCenter);
    buildLayout();

    SetOnShow(MethodOf(this, "FormShow"));
    SetOnDestroy(MethodOf(this, "FormDestroy"));
    SetOnKeyDown(MethodOf(this, "FormKeyDown"));
    SetOnKeyPress(MethodOf(this, "FormKeyPress"));
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget *, QWidget *now) { onFocusChanged(now); });
}

TfrmBaseGene::~TfrmBaseGene() = default;

void TfrmBaseGene::buildLayout()
{
    pnlCondition = new TPanel(this, this);
    pnlCondition->SetName("pnlCondition");
    pnlCondition->SetCaption(QString());
    pnlCondition->SetAlign(alLeft);
    pnlCondition->SetWidth(151);

    ImageList1 = new TImageList(this);
    ImageList1->SetName("ImageList1");
    ImageList1->SetWidth(18);
    ImageList1->SetHeight(18);
    // Save, open and delete scheme pictures for the scheme pane's tool buttons.
    for (int glyph : {21, 22, 23}) {
        QImage picture;
        if (ktr::controls::glyphLibrary().loadBmp && ktr::controls::glyphLibrary().loadBmp(picture, glyph))
            ImageList1->Add(QPixmap::fromImage(picture.scaled(18, 18)));
    }
    ImageList2 = new TImageList(this);
    ImageList2->SetName("ImageList2");
    ImageList2->SetWidth(24);
    ImageList2->SetHeight(24);

    muOperation = new TPopupMenu(this);
    muOperation->SetName("muOperation");
    mnList = new TPopupMenu(this);
    mnList->SetName("mnList");

    ToolBar1 = new TToolBar(this, pnlCondition);
    ToolBar1->SetName("ToolBar1");
    ToolBar1->SetAlign(alTop);
    ToolBar1->SetFlat(true);
    ToolBar1->SetButtonWidth(25);
    ToolBar1->SetButtonHeight(24);
    ToolBar1->SetImages(ImageList1);
    ToolBar1->SetShowCaptions(false);
    struct ToolButtonLayout {
        TToolButton **button;
        const char *name;
        const char *caption;
    } toolButtons[] = {{&btnInsert, "btnInsert", "保存(&S)"},
                       {&btnOpen, "btnOpen", "开启(&O)"},
                       {&btnDelete, "btnDelete", "删除(&D)"},
                       {&ToolButton1, "ToolButton1", ""}};
    int imageIndex = 0;
    for (const ToolButtonLayout &tool : toolButtons) {
        *tool.button = new TToolButton(this, ToolBar1);
        (*tool.button)->SetName(tool.name);
        (*tool.button)->SetCaption(QString::fromUtf8(tool.caption));
        (*tool.button)->SetHint(QString::fromUtf8(tool.caption));
        (*tool.button)->SetImageIndex(imageIndex++);
    }
    ToolButton1->SetStyle(tbsDropDown);
    ToolButton1->SetDropdownMenu(mnList);

    lblCondition = new TLabel(this, pnlCondition);
    lblCondition->SetName("lblCondition");
    lblCondition->SetCaption(" 条件方案");
    lblCondition->SetAlign(alTop);
    lblCondition->SetHeight(21);
    lblCondition->SetLayout(tlCenter);

    lstCondition = new TListView(this, pnlCondition);
    lstCondition->SetName("lstCondition");
    lstCondition->SetAlign(alClient);
    lstCondition->SetViewStyle(vsReport);

    Splitter1 = new TSplitter(this, this);
    Splitter1->SetName("Splitter1");
    Splitter1->SetAlign(alLeft);
    Splitter1->SetWidth(3);

    Panel1 = new TPanel(this, this);
    Panel1->SetName("Panel1");
    Panel1->SetCaption(QString());
    Panel1->SetAlign(alBottom);
    Panel1->SetHeight(43);

    btnOk = new TBitBtn(this, Panel1);
    btnOk->SetName("btnOk");
    btnOk->SetCaption("确定");
    btnOk->SetHint("确定");
    btnOk->SetBounds(0, 10, 65, 24);
    btnCancel = new TBitBtn(this, Panel1);
    btnCancel->SetName("btnCancel");
    btnCancel->SetCaption("取消");
    btnCancel->SetHint("取消");
    btnCancel->SetCancel(true);
    btnCancel->SetModalResult(mrCancel);
    btnCancel->SetBounds(0, 10, 65, 24);
    btnCancel->SetOnClick(MethodOf(this, "btnCancelClick"));

    pgOption = new TExtPageControl(this, this);
    pgOption->SetName("pgOption");
    pgOption->SetAlign(alClient);
    pgOption->SetHint("请输入选项条件");
    tsOption1 = new TTabSheet(this, pgOption);
    tsOption1->SetName("tsOption1");
    tsOption1->SetPageControl(pgOption);
    tsOption1->SetCaption("基本选项");
    tsOption2 = new TTabSheet(this, pgOption);
    tsOption2->SetName("tsOption2");
    tsOption2->SetPageControl(pgOption);
    tsOption2->SetCaption("系统选项");
    pgOption->SetOnChange(MethodOf(this, "pgOptionChange"));
    pgOption->SetOnChanging(MethodOf(this, "pgOptionChanging"));

    lblToday = new TDBLabel(this, tsOption2);
    lblToday->SetName("lblToday");
    lblToday->SetCaption("制表日期");
    edPrintDate = new TMaskEdit(this, tsOption2);
    edPrintDate->SetName("edPrintDate");
    edPrintDate->SetWidth(85);
    edPrintDate->SetHint("[F2]日期快手");
    btnPrintDate = new TF2Button(this, tsOption2);
    btnPrintDate->SetName("btnPrintDate");
    btnPrintDate->SetHint("日期快手");
    btnPrintDate->SetFlat(true);
    btnPrintDate->SetBounds(0, 0, 21, 21);
    edPrintDate->SetBounds(60, 8, 85, 21);
    btnPrintDate->SetGlyphIndex(9);
    btnPrintDate->SetGap(2);
    btnPrintDate->SetF2Control(edPrintDate);
    lblToday->SetGap(4);
    lblToday->SetPos(psLeft);
    lblToday->SetFocusControl(edPrintDate);

    MainMidas = new TSocketConnection(this);
    MainMidas->SetName("MainMidas");
    MainMidas->SetServerName("ReportCounterS.dmReportCounter");
    ClientDataSet1 = new TClientDataSet(this);
    ClientDataSet1->SetName("ClientDataSet1");
    ClientDataSet1->SetProviderName("pvdConSave");
    ClientDataSet1->SetRemoteServer(MainMidas);

    SetActiveControl(pgOption);
    layoutButtonPanel();
}

void TfrmBaseGene::layoutButtonPanel()
{
    if (!Panel1 || !btnOk || !btnCancel)
        return;
    // The buttons keep to the right edge of the bottom panel.
    const int right = Panel1->Width() - 12;
    btnCancel->SetLeft(right - btnCancel->Width());
    btnOk->SetLeft(btnCancel->Left() - 8 - btnOk->Width());
}

void TfrmBaseGene::DoCreate()
{
    TKTForm::DoCreate();
    if (GetSystemCodePage() == "950")
        QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::Taiwan));
    VersionStamp = "870401-0.00.00";
    CompanyId.clear();
    ProgramCode.clear();
    ProgramName.clear();
    RequiredFields.clear();
    DateFields.clear();
    YearMonthFields.clear();
    ValidationFailed = false;
    SystemPageReady = false;
    LastFocused = this;
    SilentMessages = false;
    Interactive = true;
    PrepareDataSets();
    DateConditionRules.clear();
    for (int i = 0; i < ComponentCount(); ++i)
        if (auto *button = qobject_cast<TF2Button *>(Components(i)))
            button->SetFlat(true);
}

// Closing a job form frees it; an OnClose handler may still decide otherwise.
void TfrmBaseGene::DoClose(TCloseAction &action)
{
    action = caFree;
    TKTForm::DoClose(action);
}

void TfrmBaseGene::moveEvent(QMoveEvent *event)
{
    TKTForm::moveEvent(event);
    repaintHostWindow();
}

void TfrmBaseGene::resizeEvent(QResizeEvent *event)
{
    TKTForm::resizeEvent(event);
    layoutButtonPanel();
    repaintHostWindow();
}

void TfrmBaseGene::repaintHostWindow()
{
    if (HostWindow == 0)
        return;
    if (QWidget *host = QWidget::find(static_cast<WId>(HostWindow)); host && host != this)
        host->repaint();
}

void TfrmBaseGene::onFocusChanged(QWidget *now)
{
    if (now && (now == this || isAncestorOf(now)))
        LastFocused = now;
}

bool TfrmBaseGene::IsLibraryModule() const
{
    return QFileInfo(ModulePath).suffix().compare("so", Qt::CaseInsensitive) == 0;
}

void TfrmBaseGene::SetModulePath(const QString &path)
{
    ModulePath = path;
    if (!IsLibraryModule())
        Initialize(ktr::Variant::array({"796", "QaTest60", "QaTest60"}));
}

void TfrmBaseGene::RequestClose()
{
    PostMessage(this, WM_CLOSE, 0, 0);
}

bool TfrmBaseGene::Initialize(const ktr::Variant &params)
{
    if (!CompanyId.isEmpty())
        return false;
    bool result = true;
    try {
        SysInfoCache.clear();
        PageEndControls.clear();
        CounterService.reset();
        ValidatorService.reset();
        LookupService.reset();
        ConditionBase = 1;
        MessageCodeLog.clear();
        MessageTextLog.clear();
        edPrintDate->SetText(QString());
        ExternalRequest = ktr::Variant::null();
        CheckExternalFields = true;
        AutoConfirmPending = false;

        const std::int32_t upper = params.isArray() ? params.upperBound() : -1;
        HostWindow = upper >= 3 ? params.at(3).toInt() : 0;
        if (upper > 3) {
            HostExtra = params.at(4);
        } else {
            ReportMessage("E;000038");
            RequestClose();
        }
        Hide();
        try {
            UserId = textOf(params.at(0));
            CompanyId = textOf(params.at(1));
            DatabaseId = textOf(params.at(2));
        } catch (const std::exception &) {
            // A host array without these elements leaves them as they were.
        }
        InitEnvironment();

        // The form's name carries the program it belongs to: "frmQtxr72" for "QTXR72".
        const QString formProgram = Name().mid(3, 3);
        if (formProgram.compare(ProgramCode.left(3), Qt::CaseInsensitive) != 0) {
            ReportMessage("E;000036");
            RequestClose();
            return result;
        }
        MainMidas->SetConnected(false);
        bool connected = false;
        if (ConfigureConnection()) {
            PrepareConnection(MainMidas);
            if (!MainMidas->ServerName().isEmpty())
                connected = ConnectAppServer();
        }
        if (!connected) {
            ReportMessage("E;000006");
            RequestClose();
            result = false;
        }
    } catch (const std::exception &e) {
        RecordError(QString::fromUtf8(e.what()));
        result = false;
    }
    return result;
}

void TfrmBaseGene::InitEnvironment()
{
    CreateServices();
    VersionType = WorkCenter.get("VersionType").toInt();
    try {
        ProductId = WorkCenter.get("ProductID").toInt();
    } catch (const std::exception &) {
        ProductId = 3;
    }
    InitSettings();
    CreateLookupService();
}

void TfrmBaseGene::CreateServices()
{
    if (isStandAlone()) {
        try {
            WorkCenter = ktr::createOleObject("HarrowWorkCenter.Manager");
        } catch (const std::exception &) {
            WorkCenter.reset();
        }
    }
    try {
        CounterService = ktr::objectOf(WorkCenter.get("Com_Counter"));
        GetSysInfo(QString());
        CompanyTitle = GetSysInfo("KTR002");
    } catch (const std::exception &) {
        CounterService.reset();
    }
    try {
        ValidatorService = ktr::objectOf(WorkCenter.get("Com_Validator"));
    } catch (const std::exception &) {
        ValidatorService.reset();
    }
}

void TfrmBaseGene::CreateLookupService()
{
    if (!(LookupFlags & 4))
        return;
    try {
        LookupService = ktr::objectOf(WorkCenter.get("Com_F2Window"));
    } catch (const std::exception &) {
        LookupService.reset();
    }
}

void TfrmBaseGene::InitSettings()
{
    DateFields = "edPrintDate";
    JobKind = "R";
    EnvCount = 9;
    LookupFlags = 0;
    // The program code is the module's file name without extension and without its last
    // character ("QTXR72C.so" -> "QTXR72"); a program run on its own drops two.
    const QString base = QFileInfo(ModulePath).completeBaseName();
    QString code = base.left(base.size() - (isStandAlone() ? 2 : 1));
    if (code.size() < 6)
        code = base.left(6);
    ProgramCode = code.toUpper();
    ServerClassName = ProgramCode + "S.Class1";
    LoadProgramInfo(ProgramCode);
    FormTitle = ProgramName;
    SetConditionCount(0);
}

void TfrmBaseGene::SetConditionCount(std::int32_t n)
{
    ConditionCount = ConditionBase >= ConditionCount ? n + ConditionBase : n;
}

bool TfrmBaseGene::ConfigureConnection()
{
    try {
        MainMidas->SetConnected(false);
        if (!MessageCodeLog.isEmpty()) {
            ReportMessage(MessageCodeLog);
            return false;
        }
        const ktr::Variant &list = ClientConfig().ServerList;
        if (list.isArray() && list.dimensions() == 2 && list.elementCount() > 0) {
            MainMidas->SetAddress(textOf(list.at(0, list.lowerBound(2))));
            MainMidas->SetPort(list.at(1, list.lowerBound(2)).toInt());
        }
        return true;
    } catch (const std::exception &e) {
        RecordError(QString::fromUtf8(e.what()));
        return false;
    }
}

bool TfrmBaseGene::ConnectAppServer()
{
    try {
        AppServer.reset();
        if (MainMidas->Connected())
            MainMidas->SetConnected(false);
        if (IsLocalHost(MainMidas->Address().toStdString())) {
            LocalServer = true;
            ktr::ObjectRef server = ktr::createOleObject(MainMidas->ServerName().toStdString());
            MainMidas->SetAppServer(server);
            AppServer = server;
        } else {
            LocalServer = false;
            MainMidas->SetConnected(true);
            if (MainMidas->Connected())
                AppServer = MainMidas->AppServer();
        }
        return bool(AppServer);
    } catch (const std::exception &e) {
        RecordError(QString::fromUtf8(e.what()));
        return false;
    }
}

void TfrmBaseGene::PrepareConnection(TSocketConnection *) {}

void TfrmBaseGene::FormShow(QObject *)
{
    SetCaption(FormTitle + (ProductId == 5 ? GetLangText("TfrmBaseGene", "sPublicVer", true, "-普及版") : QString()) +
               "[" + CompanyTitle + "]");
    if (pgOption->PageCount() > 0) {
        pgOption->SetActivePageIndex(0);
        pgOptionChange(pgOption);
    }
    ConvertOnce();
    RefreshSchemeList();
}

void TfrmBaseGene::FormDestroy(QObject *)
{
    SysInfoCache.clear();
    PageEndControls.clear();
    CounterService.reset();
    ValidatorService.reset();
    LookupService.reset();
    if (!LocalServer && MainMidas)
        MainMidas->SetConnected(false);
    AppServer.reset();
    WorkCenter.reset();
    DateConditionRules.clear();
}

void TfrmBaseGene::btnCancelClick(QObject *)
{
    Close();
}

void TfrmBaseGene::LayoutSystemPage()
{
    QFont f = tsOption2->Font();
    f.setPointSize(9);
    tsOption2->SetFont(f);
    if (Width() < 315)
        SetWidth(315);
    if (Height() < 110)
        SetHeight(110);
    lblToday->SetBounds(8, 12, lblToday->sizeHint().width(), lblToday->sizeHint().height());
    edPrintDate->SetBounds(60, 8, 85, edPrintDate->Height());
    btnPrintDate->SetF2Control(nullptr);
    btnPrintDate->SetF2Control(edPrintDate);
}

void TfrmBaseGene::FocusFirstControl(TTabSheet *page)
{
    if (!page)
        return;
    for (int order = 0;; ++order) {
        QWidget *found = nullptr;
        for (int i = 0; i < page->ControlCount(); ++i) {
            QWidget *w = page->Controls(i);
            auto *control = dynamic_cast<ktr::platform::ControlLink *>(ktr::platform::componentOf(w));
            if (control && control->IsWinControl() && control->TabOrder() == order) {
                found = w;
                break;
            }
        }
        if (!found)
            return;
        if (found->isEnabled()) {
            if (auto *control = dynamic_cast<ktr::platform::ControlLink *>(ktr::platform::componentOf(found)))
                control->SetFocus();
            return;
        }
    }
}

void TfrmBaseGene::pgOptionChange(QObject *)
{
    TTabSheet *page = pgOption->ActivePage();
    if (page == tsOption2 && !SystemPageReady) {
        LayoutSystemPage();
        SystemPageReady = true;
    }
    FocusFirstControl(page);
}

void TfrmBaseGene::pgOptionChanging(QObject *, bool *AllowChange)
{
    SilentMessages = true;
    ValidationFailed = false;
    if (QWidget *active = ActiveControl()) {
        QObject *target = active;
        if (QObject *panel = componentOwner(active); panel && panel->inherits("TSelectPanel"))
            target = panel;
        CallNotify(target->property("OnExit").value<TMethod>(), target);
    }
    SilentMessages = false;
    if (AllowChange)
        *AllowChange = !ValidationFailed;
}

bool TfrmBaseGene::isPageEndControl(QWidget *control) const
{
    for (const QPointer<QWidget> &listed : PageEndControls) {
        if (!listed)
            continue;
        if (listed == control)
            return true;
        QObject *owner = componentOwner(control);
        if (owner == listed && listed->inherits("TSelectPanel") &&
            control->objectName().compare("edBegin", Qt::CaseInsensitive) != 0)
            return true;
        if (owner == listed && listed->inherits("TKtRadioGroup"))
            return true;
    }
    return false;
}

void TfrmBaseGene::FormKeyDown(QObject *, quint16 *Key, int Shift)
{
    using namespace ktr::platform;
    const int mods = Shift & (ssShift | ssAlt | ssCtrl);
    switch (*Key) {
    case VK_ESCAPE:
        *Key = 0;
        Close();
        return;
    case VK_F1:
        ShowHelp();
        return;
    case VK_F2:
        OpenLookup(*Key, ActiveControl());
        return;
    case 'V':
        if (mods == (ssCtrl | ssAlt))
            QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(ModulePath).absolutePath()));
        return;
    case VK_TAB:
        if (mods & ssCtrl) {
            pgOption->SelectNextPage(!(mods & ssShift));
            *Key = 0;
        }
        return;
    case VK_PRIOR:
    case VK_NEXT:
        if (mods == ssCtrl) {
            pgOption->SelectNextPage(*Key == VK_NEXT);
            *Key = 0;
        }
        return;
    default:
        return;
    }
}

void TfrmBaseGene::FormKeyPress(QObject *, QChar *Key)
{
    if (*Key != QChar('\r'))
        return;
    QWidget *active = ActiveControl();
    if (!active)
        return;
    auto *activeLink = dynamic_cast<ktr::platform::ControlLink *>(ktr::platform::componentOf(active));
    const auto nextControl = [&] {
        if (activeLink)
            SelectNext(active, true, true);
    };
    if (auto *grid = qobject_cast<TStringGrid *>(active)) {
        *Key = QChar();
        if (grid->Col() >= grid->ColCount() - 1) {
            if (grid->Row() >= grid->RowCount() - 1)
                grid->SetRowCount(grid->RowCount() + 1);
            grid->SetRow(grid->Row() + 1);
            grid->SetCol(grid->FixedCols());
        } else {
            grid->SetCol(grid->Col() + 1);
        }
        return;
    }
    auto *memo = qobject_cast<TMemo *>(active);
    const bool memoOnFirstLines = memo && memo->CaretPos().y() <= 1;
    if (!isPageEndControl(active)) {
        if (memoOnFirstLines)
            return;
        *Key = QChar();
        nextControl();
        return;
    }
    if (memoOnFirstLines)
        return;
    *Key = QChar();
    if (pgOption->ActivePageIndex() < pgOption->PageCount() - 1)
        pgOption->SelectNextPage(true);
}

void TfrmBaseGene::ShowHelp()
{
    if (ProgramCode.size() < 4)
        return;
    QString prefix;
    QChar kind;
    const QChar fourth = ProgramCode.at(3).toUpper();
    if (fourth == 'A' || fourth == 'M') {
        prefix = fourth == 'A' ? "6" : "8";
        kind = ProgramCode.size() > 4 ? ProgramCode.at(4).toUpper() : QChar();
    } else {
        prefix = "1";
        kind = fourth;
    }
    QString suffix;
    if (kind == 'B')
        suffix = "3";
    else if (kind == 'R')
        suffix = "2";
    else
        return;
    const QString number = prefix + suffix + ProgramCode.right(2) + "0000";
    try {
        WorkCenter.call("CallHelp", {ktr::Variant::array({ProgramCode.left(3).toStdString(), number.toStdString()})});
    } catch (const std::exception &e) {
        RecordError(QString::fromUtf8(e.what()));
    }
}

void TfrmBaseGene::SetTitle(const QString &title)
{
    FormTitle = title;
    if (isStandAlone())
        FormTitle += GetLangText("TfrmBaseGene", "sExeVer", true, "[您现在运行的是Exe版本!]");
    SetCaption(FormTitle + "[" + CompanyTitle + "]");
}

void TfrmBaseGene::ApplyExternalRequest(const ktr::Variant &request)
{
    const ktr::Variant r = request.isArray() ? request.at(1) : ktr::Variant();
    ExternalRequest = r;
    if (!isNonEmptyArray(r))
        return;
    const std::int32_t lower = r.lowerBound();
    const std::int32_t mode = r.at(lower).toInt();
    Interactive = mode == 0 || mode == 1;
    AutoConfirmPending = false;
    bool ok = false;
    if (r.upperBound() >= lower + 1 && isNonEmptyArray(r.at(lower + 1))) {
        const ktr::Variant &fields = r.at(lower + 1);
        CheckExternalFields = fields.at(fields.lowerBound()).toBool();
        const ktr::Variant x = fields.upperBound() >= fields.lowerBound() + 1 ? fields.at(fields.lowerBound() + 1)
                                                                               : ktr::Variant();
        if (isNonEmptyArray(x))
            ok = CheckExternalFields ? CheckExternalFieldList(x) : ApplyExternalValues(x);
        AutoConfirmPending = ok && mode != 0;
    }
    if (!Converted) {
        ConvertOnce();
        if (GetSystemCodePage() == "950")
            SetTitle(FormTitle);
    }
    if (mode > 2 && ok)
        RunExternalMode(mode);
    else if (AutoConfirmPending)
        btnOk->Click();
}

bool TfrmBaseGene::RunExternalMode(std::int32_t) { return true; }

void TfrmBaseGene::ApplyRights(const ktr::Variant &answer)
{
    const QStringList fields = textOf(answer.at(1)).split(',');
    const QString rights = fields.size() > 3 ? fields.at(3) : QString();
    Right7Allowed = rights.size() < 7 || rights.at(6) != 'N';
    Right8Allowed = rights.size() < 8 || rights.at(7) != 'N';
    RightsText = QString::fromStdString(PackParamText(answer.at(4).toString(), answer.at(5)));
    RightsChanged();
}
