#include "TestSupport.h"

#include <QDialog>
#include <QPointer>
#include <QTest>

namespace {

// A form laid out like the job forms: OK and Cancel buttons, an edit; it records its
// events and answers WM_OPENWIN.
class DialogForm : public TForm {
public:
    explicit DialogForm(QObject *owner = nullptr) : TForm(owner)
    {
        SetName(QStringLiteral("frmDialog"));
        edit = new TEdit(this, this);
        edit->SetName(QStringLiteral("edName"));
        btnOk = new TBitBtn(this, this);
        btnOk->SetName(QStringLiteral("btnOk"));
        btnOk->SetKind(bkOK);
        btnCancel = new TBitBtn(this, this);
        btnCancel->SetName(QStringLiteral("btnCancel"));
        btnCancel->SetCaption(QStringLiteral("Cancel"));
        btnCancel->SetCancel(true);
        btnCancel->SetModalResult(mrCancel);
        AddMessageHandler(WM_OPENWIN, [this](TMessage &message) {
            openedFor = ktr::platform::objectFromParam(message.LParam);
            message.Result = 42;
        });
        constructed = true;
    }

    TEdit *edit;
    TBitBtn *btnOk;
    TBitBtn *btnCancel;
    QObject *openedFor = nullptr;
    bool constructed = false;
    bool createdAfterConstruction = false;

protected:
    void DoCreate() override
    {
        createdAfterConstruction = constructed;
        TForm::DoCreate();
    }
};

TEST(Form, CreateComponentRunsOnCreateAfterTheMostDerivedConstructor)
{
    Recorder recorder;
    auto *form = ktr::platform::createComponent<DialogForm>();
    EXPECT_TRUE(form->createdAfterConstruction);
    ktr::platform::Free(form);

    // A form made with new gets its creation step when first shown.
    auto *late = new DialogForm;
    EXPECT_FALSE(late->createdAfterConstruction);
    late->Show();
    EXPECT_TRUE(late->createdAfterConstruction);
    ktr::platform::Free(late);
}

struct ModalCase {
    std::string name;
    std::function<std::optional<int>(DialogForm *)> hook;
    int expected;
};

class ModalForm : public testing::TestWithParam<ModalCase> {};

TEST_P(ModalForm, HookAnswersTheModalLoop)
{
    DialogForm form;
    Recorder recorder;
    form.SetOnShow(recorder.handler("Show"));
    form.SetOnHide(recorder.handler("Hide"));
    QWidget *seen = nullptr;
    ktr::platform::ModalHookScope scope([&](const ktr::platform::ModalRequest &request) {
        seen = request.window;
        EXPECT_EQ(request.kind, ktr::platform::ModalRequest::Kind::Form);
        EXPECT_TRUE(request.window->isVisible());
        return GetParam().hook(&form);
    });
    EXPECT_EQ(form.ShowModal(), GetParam().expected);
    EXPECT_EQ(seen, &form);
    EXPECT_EQ(form.ModalResult(), GetParam().expected);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(recorder.log, (QStringList{"frmDialog.Show", "frmDialog.Hide"}));
}

INSTANTIATE_TEST_SUITE_P(
    Answers, ModalForm,
    testing::Values(
        ModalCase{"HookClicksOk",
                  [](DialogForm *f) {
                      QTest::mouseClick(f->btnOk, Qt::LeftButton);
                      return std::optional<int>(f->ModalResult());
                  },
                  mrOk},
        ModalCase{"HookPressesEscape",
                  [](DialogForm *f) {
                      QTest::keyClick(f->edit, Qt::Key_Escape);
                      return std::optional<int>(f->ModalResult());
                  },
                  mrCancel},
        ModalCase{"HookReturnsAValue", [](DialogForm *) { return std::optional<int>(mrRetry); },
                  mrRetry},
        // The hook clicks and lets the real loop run; the loop ends at once on the result.
        ModalCase{"RealLoopEndsOnButtonResult",
                  [](DialogForm *f) {
                      f->btnOk->Click();
                      return std::optional<int>();
                  },
                  mrOk},
        // A posted close request reaches the form inside the real modal loop.
        ModalCase{"RealLoopEndsOnPostedClose",
                  [](DialogForm *f) {
                      PostMessage(f, WM_CLOSE, 0, 0);
                      return std::optional<int>();
                  },
                  mrCancel}),
    caseName<ModalCase>);

TEST(Form, CloseWithCaFreeFreesLaterAndRaisesOnDestroyWhileIntact)
{
    Recorder recorder;
    recorder.closeAction = caFree;
    QPointer<DialogForm> form = ktr::platform::createComponent<DialogForm>();
    form->SetOnClose(recorder.handler("Close"));
    form->SetOnDestroy(recorder.handler("Destroy"));
    // Closing from inside the form's own button handler is safe.
    form->btnOk->SetOnClick(recorder.handler("CloseForm"));
    form->Show();
    form->btnOk->Click();
    ASSERT_FALSE(form.isNull()); // the free is deferred
    ktr::platform::ProcessMessages();
    EXPECT_TRUE(form.isNull());
    EXPECT_EQ(recorder.log, (QStringList{"frmDialog.Close", "frmDialog.Destroy/3"}));
}

struct CloseCase {
    std::string name;
    TCloseAction action;
    bool visibleAfter;
    bool alive;
};

class CloseAction : public testing::TestWithParam<CloseCase> {};

TEST_P(CloseAction, DecidesWhatCloseDoes)
{
    Recorder recorder;
    recorder.closeAction = GetParam().action;
    QPointer<DialogForm> form = new DialogForm;
    form->SetOnClose(recorder.handler("Close"));
    form->Show();
    PostMessage(form, WM_CLOSE, 0, 0);
    EXPECT_EQ(recorder.log, QStringList{}); // nothing before the queue is delivered
    ktr::platform::ProcessMessages();
    EXPECT_EQ(recorder.log, QStringList{"frmDialog.Close"});
    EXPECT_EQ(!form.isNull(), GetParam().alive);
    if (form) {
        EXPECT_EQ(form->isVisible(), GetParam().visibleAfter);
        ktr::platform::Free(form);
    }
}

INSTANTIATE_TEST_SUITE_P(Actions, CloseAction,
                         testing::Values(CloseCase{"caHide", caHide, false, true},
                                         CloseCase{"caNone", caNone, true, true},
                                         CloseCase{"caFree", caFree, false, false}),
                         caseName<CloseCase>);

TEST(Form, OwnerFreeRaisesOnDestroyBeforeOwnedComponentsGo)
{
    Recorder recorder;
    auto owner = std::make_unique<TComponent>();
    auto *form = new DialogForm(owner.get());
    form->SetOnDestroy(recorder.handler("Destroy"));
    owner.reset();
    EXPECT_EQ(recorder.log, QStringList{"frmDialog.Destroy/3"});
}

struct DialogKeyCase {
    std::string name;
    Qt::Key key;
    bool previewConsumes;
    int expectedResult;
};

class DialogKeys : public testing::TestWithParam<DialogKeyCase> {};

TEST_P(DialogKeys, EscapeAndReturnClickCancelAndDefaultUnlessTheFormTakesThem)
{
    const DialogKeyCase &c = GetParam();
    DialogForm form;
    Recorder recorder;
    form.SetKeyPreview(true);
    form.SetOnKeyDown(recorder.handler("KeyDown"));
    if (c.previewConsumes)
        recorder.keyToConsume = ktr::platform::virtualKeyOf(c.key);
    ktr::platform::ModalHookScope scope([&](const ktr::platform::ModalRequest &) {
        form.edit->SetFocus();
        QTest::keyClick(form.edit, c.key);
        return std::optional<int>(form.ModalResult());
    });
    EXPECT_EQ(form.ShowModal(), c.expectedResult);
}

INSTANTIATE_TEST_SUITE_P(Keys, DialogKeys,
                         testing::Values(DialogKeyCase{"EscapeClicksCancel", Qt::Key_Escape, false, mrCancel},
                                         DialogKeyCase{"ReturnClicksDefault", Qt::Key_Return, false, mrOk},
                                         DialogKeyCase{"ConsumedEscape", Qt::Key_Escape, true, mrNone},
                                         DialogKeyCase{"ConsumedReturn", Qt::Key_Return, true, mrNone}),
                         caseName<DialogKeyCase>);

TEST(Form, MessageDialogsGoThroughTheHookAndAreRecorded)
{
    ktr::platform::MessageRecorder messages;
    QList<ktr::platform::ModalRequest> requests;
    ktr::platform::ModalHookScope scope([&](const ktr::platform::ModalRequest &request) {
        requests.append(request);
        return std::optional<int>(request.buttons.testFlag(mbNo) ? mrNo : mrOk);
    });
    EXPECT_EQ(MessageDlg(QStringLiteral("Save the scheme?"), mtConfirmation, mbYesNo, 7), mrNo);
    ShowMessage(QStringLiteral("done"));
    EXPECT_EQ(MessageBox(QStringLiteral("Bad date"), QStringLiteral("Error"), MB_OK | MB_ICONERROR),
              IDOK);

    ASSERT_EQ(requests.size(), 3);
    EXPECT_EQ(requests[0].kind, ktr::platform::ModalRequest::Kind::MessageDialog);
    EXPECT_EQ(requests[0].type, mtConfirmation);
    EXPECT_EQ(requests[0].buttons, mbYesNo);
    EXPECT_EQ(requests[0].helpContext, 7);
    EXPECT_EQ(requests[2].type, mtError);
    EXPECT_EQ(requests[2].caption, QStringLiteral("Error"));
    EXPECT_EQ(messages.texts(), (QStringList{"Save the scheme?", "done", "Bad date"}));
    EXPECT_EQ(messages.messages()[0].result, mrNo);
}

TEST(Form, HookScopesNestAndRestore)
{
    auto answer = [](int value) {
        return [value](const ktr::platform::ModalRequest &) { return std::optional<int>(value); };
    };
    ktr::platform::ModalHookScope outer(answer(mrYes));
    {
        ktr::platform::ModalHookScope inner(answer(mrNo));
        EXPECT_EQ(MessageDlg(QStringLiteral("q"), mtConfirmation, mbYesNo), mrNo);
    }
    EXPECT_EQ(MessageDlg(QStringLiteral("q"), mtConfirmation, mbYesNo), mrYes);
}

TEST(Form, DialogsOfOtherLibrariesRunThroughTheHook)
{
    QDialog dialog;
    ktr::platform::ModalHookScope scope([&](const ktr::platform::ModalRequest &request) {
        EXPECT_EQ(request.kind, ktr::platform::ModalRequest::Kind::Dialog);
        EXPECT_EQ(request.window, &dialog);
        return std::optional<int>(QDialog::Accepted);
    });
    EXPECT_EQ(ktr::platform::execDialog(&dialog), QDialog::Accepted);
}

TEST(Form, SendMessageIsSynchronousAndPostMessageQueued)
{
    DialogForm form;
    EXPECT_EQ(SendMessage(&form, WM_OPENWIN, 0, ktr::platform::paramOf(form.edit)), 42);
    EXPECT_EQ(form.openedFor, form.edit);

    form.openedFor = nullptr;
    PostMessage(&form, WM_OPENWIN, 0, ktr::platform::paramOf(form.btnOk));
    EXPECT_EQ(form.openedFor, nullptr);
    ktr::platform::ProcessMessages();
    EXPECT_EQ(form.openedFor, form.btnOk);

    EXPECT_EQ(SendMessage(&form, WM_OPENF3WIN, 0, 0), 0); // no handler: default
    QObject plain;
    EXPECT_EQ(SendMessage(&plain, WM_OPENWIN, 0, 0), 0);
}

TEST(Form, PostedMessageToAFreedFormIsDropped)
{
    Recorder recorder;
    auto *form = new DialogForm;
    form->SetOnClose(recorder.handler("Close"));
    PostMessage(form, WM_CLOSE, 0, 0);
    ktr::platform::Free(form);
    ktr::platform::ProcessMessages();
    EXPECT_TRUE(recorder.log.isEmpty());
}

TEST(Form, CaptionStateAndHandle)
{
    DialogForm form;
    form.SetCaption(QStringLiteral("QTXR72"));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("QTXR72"));
    EXPECT_EQ(form.property("Caption").toString(), QStringLiteral("QTXR72"));
    EXPECT_NE(form.Handle(), 0);
    form.Show();
    form.SetWindowState(wsMaximized);
    EXPECT_EQ(form.WindowState(), wsMaximized);
    form.SetWindowState(wsNormal);
    EXPECT_EQ(form.WindowState(), wsNormal);
}

} // namespace
