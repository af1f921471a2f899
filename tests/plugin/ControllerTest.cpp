// Drives the built plug-in as the host does: dlopen, GetController, the controller's
// virtual operations and its events.

#include "DLLBaseCtrller.h"
#include "DemoInstallation.h"

#include "ClassRegistry.h"
#include "ModalHook.h"
#include "Messages.h"

#include <QApplication>
#include <QWidget>

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <memory>
#include <vector>

namespace {

struct Environment : testing::Environment {
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "plugin_controller_test";
        static char *argv[] = {name, nullptr};
        app = std::make_unique<QApplication>(argc, argv);
        demo = std::make_unique<DemoInstallation>();
        ASSERT_TRUE(demo->ok());
        library = dlopen(KTR_BIN_DIR "/QTXR72C.so", RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(library, nullptr) << dlerror();
        getController = reinterpret_cast<GetControllerFunction>(dlsym(library, "GetController"));
        ASSERT_NE(getController, nullptr);
    }
    void TearDown() override
    {
        // The plug-in stays loaded: Qt's meta-objects of its classes live until exit.
        demo.reset();
        app.reset();
    }
    std::unique_ptr<QApplication> app;
    std::unique_ptr<DemoInstallation> demo;
    void *library = nullptr;
    GetControllerFunction getController = nullptr;
};

Environment *env = static_cast<Environment *>(testing::AddGlobalTestEnvironment(new Environment));

struct EventLog {
    std::vector<std::int32_t> codes;
    static void record(void *self, std::int32_t code, TDLLBaseController *)
    {
        static_cast<EventLog *>(self)->codes.push_back(code);
    }
};

ktr::Variant hostParameters(int count = 5)
{
    std::vector<ktr::Variant> items = {"796", "QaTest60", "QaTest60", std::int32_t(0), "test host"};
    items.resize(static_cast<std::size_t>(count));
    return ktr::Variant::array(std::move(items));
}

class Controller : public testing::Test {
protected:
    void SetUp() override
    {
        controller.reset(env->getController());
        controller->HostObject = ktr::Variant(ktr::createOleObject("HarrowWorkCenter.Manager").get());
        controller->OnControllerEvent = {&EventLog::record, &events};
    }

    QWidget *formWidget() { return QWidget::find(static_cast<WId>(controller->GetHandle())); }

    // Every message dialog is answered with OK and kept.
    QStringList messages;
    ktr::platform::ModalHookScope hook{[this](const ktr::platform::ModalRequest &r) -> std::optional<int> {
        if (r.kind == ktr::platform::ModalRequest::Kind::MessageDialog) {
            messages << r.text;
            return mrOk;
        }
        return std::nullopt;
    }};
    EventLog events;
    std::unique_ptr<TDLLBaseController> controller;
};

TEST_F(Controller, TwoControllersAreIndependent)
{
    std::unique_ptr<TDLLBaseController> other(env->getController());
    ASSERT_NE(other.get(), controller.get());
    ASSERT_EQ(controller->CreateForm(hostParameters()), 0) << messages.join("\n").toStdString();
    EXPECT_FALSE(controller->IsFormFreed());
    EXPECT_TRUE(other->IsFormFreed());
    ktr::Variant info;
    EXPECT_EQ(other->GetInfo(info), -1);
}

TEST_F(Controller, GetInfoBeforeAndAfterCreateForm)
{
    ktr::Variant info("untouched");
    EXPECT_EQ(controller->GetInfo(info), -1);
    EXPECT_EQ(info, ktr::Variant("untouched"));

    ASSERT_EQ(controller->CreateForm(hostParameters()), 0) << messages.join("\n").toStdString();
    ASSERT_EQ(controller->GetInfo(info), 0);
    ASSERT_TRUE(info.isArray());
    EXPECT_EQ(info.lowerBound(), 0);
    EXPECT_EQ(info.upperBound(), 3);
    EXPECT_EQ(info.at(0).toString(), "796");
    EXPECT_EQ(info.at(1).toString(), "QaTest60");
    EXPECT_EQ(info.at(2).toString(), "QTXR72");
    EXPECT_FALSE(info.at(3).toString().empty()) << "the program name comes from the program table";
    EXPECT_EQ(QString::fromStdU16String(controller->GetVersion()).isEmpty(), false);

    // Showing the form changes none of it: the creation step ran when the form was made.
    controller->SetVisible(1);
    ktr::Variant shown;
    ASSERT_EQ(controller->GetInfo(shown), 0);
    EXPECT_EQ(shown, info);
}

struct TitleCase {
    const char *name;
    const char *company;
    const char *companyTitle; // KTR002 of the company's system information
};

class ShownFormTitle : public Controller, public testing::WithParamInterface<TitleCase> {};

// The shown form is titled with the program's name from the program table and, in brackets,
// the company's title from its system information.
TEST_P(ShownFormTitle, NamesTheProgramAndTheCompany)
{
    const TitleCase &c = GetParam();
    ASSERT_EQ(controller->CreateForm(ktr::Variant::array({"796", c.company, c.company, std::int32_t(0), "test host"})), 0)
        << messages.join("\n").toStdString();
    controller->SetVisible(1);
    ktr::Variant info;
    ASSERT_EQ(controller->GetInfo(info), 0);
    const QString program = QString::fromStdString(info.at(3).toString());
    EXPECT_FALSE(program.isEmpty());
    EXPECT_EQ(formWidget()->windowTitle(), program + "[" + QString::fromUtf8(c.companyTitle) + "]");
}

INSTANTIATE_TEST_SUITE_P(Companies, ShownFormTitle,
                         testing::Values(TitleCase{"QaTest60", "QaTest60", "千岸测试六十"},
                                         TitleCase{"QaTest61", "QaTest61", "千岸测试六十一"}),
                         [](const testing::TestParamInfo<TitleCase> &info) { return std::string(info.param.name); });

TEST_F(Controller, OperationsWithoutAFormHaveDefinedResults)
{
    EXPECT_EQ(controller->ShowModal(), ktr::Variant(std::int32_t(2)));
    EXPECT_EQ(controller->GetVisible(), 0);
    EXPECT_EQ(controller->GetHandle(), 0u);
    EXPECT_TRUE(controller->GetVersion().empty());
    EXPECT_TRUE(controller->IsFormFreed());
    EXPECT_EQ(controller->RunRequest(ktr::Variant::array({1, 2})), -1);
    EXPECT_EQ(controller->RunRequestOfKind(5, ktr::Variant::array({1})), -1);
    controller->SetVisible(1);
    controller->FreeForm();
    EXPECT_TRUE(events.codes.empty());
}

// RunRequest hands on element 1 of what it gets; Kind 9 hands on the request itself; other
// kinds are refused. The form's Interactive flag shows which request arrived: a mode of 2
// or more clears it.
TEST_F(Controller, RunRequestsReachTheForm)
{
    ASSERT_EQ(controller->CreateForm(hostParameters()), 0) << messages.join("\n").toStdString();
    QWidget *form = formWidget();
    ASSERT_NE(form, nullptr);
    const ktr::Variant batchMode = ktr::Variant::array({std::int32_t(2)});
    const ktr::Variant userMode = ktr::Variant::array({std::int32_t(1)});

    EXPECT_EQ(controller->RunRequestOfKind(7, batchMode), -1);
    EXPECT_TRUE(form->property("Interactive").toBool()) << "kind 7 does nothing";

    EXPECT_EQ(controller->RunRequestOfKind(9, batchMode), 0);
    EXPECT_FALSE(form->property("Interactive").toBool());

    EXPECT_EQ(controller->RunRequest(ktr::Variant::array({batchMode, userMode})), 0);
    EXPECT_TRUE(form->property("Interactive").toBool()) << "only element 1 is handed on";

    EXPECT_EQ(controller->RunRequest(ktr::Variant::null()), -1);
    EXPECT_EQ(controller->RunRequest(ktr::Variant("not an array")), -1);
    EXPECT_EQ(controller->RunRequest(ktr::Variant::array({1})), -1) << "no element 1";
}

TEST_F(Controller, EventsComeInOrderAndTheOutcomeIsCopied)
{
    ASSERT_EQ(controller->CreateForm(hostParameters()), 0) << messages.join("\n").toStdString();
    // A second CreateForm keeps the one form and must not make the handlers call themselves.
    ASSERT_EQ(controller->CreateForm(hostParameters()), -1) << "the form is initialised once";
    controller->SetVisible(1);
    EXPECT_EQ(controller->GetVisible(), -1);
    controller->SetVisible(0);
    EXPECT_EQ(controller->GetVisible(), 0);

    formWidget()->setProperty("JobResultCode", 7);
    formWidget()->close();
    ktr::platform::ProcessMessages();

    EXPECT_EQ(events.codes, (std::vector<std::int32_t>{EV_FORM_CREATED, EV_FORM_SHOWN, EV_FORM_HIDDEN,
                                                       EV_FORM_DESTROYED}));
    EXPECT_TRUE(controller->IsFormFreed());
    EXPECT_EQ(controller->ResultCode, 7);
    EXPECT_TRUE(controller->ResultValue.isEmpty());
    EXPECT_EQ(controller->GetVisible(), 0);

    // The host may ask for a fresh form afterwards.
    EXPECT_EQ(controller->CreateForm(hostParameters()), 0);
    EXPECT_EQ(events.codes.back(), EV_FORM_CREATED);
}

TEST_F(Controller, ShowModalReturnsTheModalResult)
{
    ASSERT_EQ(controller->CreateForm(hostParameters()), 0) << messages.join("\n").toStdString();
    ktr::platform::ModalHookScope answer([](const ktr::platform::ModalRequest &r) -> std::optional<int> {
        if (r.kind == ktr::platform::ModalRequest::Kind::Form)
            return mrCancel;
        return mrOk;
    });
    EXPECT_EQ(controller->ShowModal(), ktr::Variant(std::int32_t(mrCancel)));
    EXPECT_EQ(events.codes.front(), EV_FORM_CREATED);
    EXPECT_NE(std::find(events.codes.begin(), events.codes.end(), EV_FORM_SHOWN), events.codes.end());
}

TEST_F(Controller, AnUnassignedHandlerMakesEventsSilent)
{
    controller->OnControllerEvent = {};
    ASSERT_EQ(controller->CreateForm(hostParameters()), 0);
    controller->SetVisible(1);
    controller->SetVisible(0);
    controller->DoHostEvent(nullptr);
    controller->FreeForm();
    EXPECT_TRUE(controller->IsFormFreed());
    EXPECT_TRUE(events.codes.empty());
}

TEST_F(Controller, HostEventIsFiredOnlyWhenTheHostAsks)
{
    controller->DoHostEvent(nullptr);
    EXPECT_EQ(events.codes, std::vector<std::int32_t>{EV_HOST});
}

// A host array without element 4 is reported, then the connection step fails on the
// non-empty message log: CreateForm gives -1 and the form closes itself.
TEST_F(Controller, ShortHostArraysFailAndTheFormClosesItself)
{
    for (int count : {4, 3}) {
        SCOPED_TRACE(count);
        messages.clear();
        EXPECT_EQ(controller->CreateForm(hostParameters(count)), -1);
        // "E;000038" is shown, shown again by the connection step, then "E;000006".
        ASSERT_GE(messages.size(), 2);
        EXPECT_NE(messages.first(), messages.last());
        ktr::platform::ProcessMessages();
        EXPECT_TRUE(controller->IsFormFreed());
    }
}

TEST_F(Controller, DestroyingTheControllerFreesItsForm)
{
    ASSERT_EQ(controller->CreateForm(hostParameters()), 0);
    controller.reset();
    EXPECT_EQ(events.codes.back(), EV_FORM_DESTROYED);
}

} // namespace
