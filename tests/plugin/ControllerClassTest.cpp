#include "DLLRPCtrller.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace {

TEST(ControllerClass, EmptyClassVariablesRaiseTheInternalErrors)
{
    int argc = 1;
    char name[] = "plugin_controller_class_test";
    char *argv[] = {name, nullptr};
    QApplication app(argc, argv);

    // The form class is set by the plug-in's entry unit, which this program does not link.
    ASSERT_EQ(frmBaseGeneClass, nullptr);
    std::unique_ptr<TDLLBaseController> controller(CreateControllerFromClass());
    try {
        controller->CreateForm(ktr::Variant::array({"796"}));
        FAIL();
    } catch (const std::exception &e) {
        EXPECT_STREQ(e.what(), "KTR DLL Internal Error :\rNot Assign \"frmBaseGeneClass\" varible");
    }

    const TDLLControllerClass saved = DLLControllerClass;
    DLLControllerClass = nullptr;
    try {
        CreateControllerFromClass();
        FAIL();
    } catch (const std::exception &e) {
        EXPECT_STREQ(e.what(), "KTR DLL Internal Error :\rNot Assign \"DLLControllerClass\" varible");
    }
    DLLControllerClass = saved;
}

} // namespace
