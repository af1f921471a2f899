// The job form's fixed layout and class chain, as language packages and saved schemes
// address them: component names, classes, captions and hints.

#include "Qtxr72CF.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace {

struct Environment : testing::Environment {
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "forms_layout_test";
        static char *argv[] = {name, nullptr};
        app = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override { app.reset(); }
    std::unique_ptr<QApplication> app;
};
[[maybe_unused]] testing::Environment *const env = testing::AddGlobalTestEnvironment(new Environment);

struct ComponentCase {
    const char *name;
    const char *className;
    const char *property;
    const char *value;
};

TEST(JobForm, HasTheBaseLayout)
{
    TfrmQtxr72 *form = ktr::platform::createComponent<TfrmQtxr72>(nullptr);
    const ComponentCase cases[] = {
        {"pnlCondition", "TPanel", nullptr, nullptr},
        {"lblCondition", "TLabel", "Caption", " 条件方案"},
        {"ToolBar1", "TToolBar", nullptr, nullptr},
        {"btnInsert", "TToolButton", "Caption", "保存(&S)"},
        {"btnOpen", "TToolButton", "Caption", "开启(&O)"},
        {"btnDelete", "TToolButton", "Caption", "删除(&D)"},
        {"ToolButton1", "TToolButton", nullptr, nullptr},
        {"lstCondition", "TListView", nullptr, nullptr},
        {"Splitter1", "TSplitter", "Width", "3"},
        {"pgOption", "TExtPageControl", "Hint", "请输入选项条件"},
        {"tsOption1", "TTabSheet", "Caption", "基本选项"},
        {"tsOption2", "TTabSheet", "Caption", "系统选项"},
        {"TabSheet1", "TTabSheet", "Caption", "高级选项"},
        {"lblToday", "TDBLabel", "Caption", "制表日期"},
        {"edPrintDate", "TMaskEdit", "Hint", "[F2]日期快手"},
        {"btnPrintDate", "TF2Button", "Hint", "日期快手"},
        {"Panel1", "TPanel", "Height", "43"},
        {"btnOk", "TBitBtn", "Caption", "确定"},
        {"btnCancel", "TBitBtn", "ModalResult", "2"},
        {"MainMidas", "TSocketConnection", "ServerName", "ReportCounterS.dmReportCounter"},
        {"ClientDataSet1", "TClientDataSet", nullptr, nullptr},
        {"muOperation", "TPopupMenu", nullptr, nullptr},
        {"mnList", "TPopupMenu", nullptr, nullptr},
        {"ImageList1", "TImageList", "Width", "18"},
        {"ImageList2", "TImageList", "Width", "24"},
    };
    for (const ComponentCase &c : cases) {
        QObject *component = form->FindComponent(QString::fromLatin1(c.name).toLower());
        ASSERT_NE(component, nullptr) << c.name;
        EXPECT_TRUE(component->inherits(c.className)) << c.name << " is " << component->metaObject()->className();
        if (c.property) {
            EXPECT_EQ(component->property(c.property).toString(), QString::fromUtf8(c.value)) << c.name;
        }
    }
    EXPECT_EQ(form->Name(), "frmQtxr72");
    EXPECT_EQ(form->pgOption->Pages(1), form->TabSheet1) << "advanced options come second";
    EXPECT_EQ(form->LanguageClassChain(),
              (QStringList{"TKTForm", "TfrmBaseGene", "TfrmBaseOpt", "TfrmBaseRpt", "TfrmQtxr72"}));
    EXPECT_EQ(form->LanguageClassChain(true), (QStringList{"TfrmBaseGene", "TfrmBaseOpt", "TfrmBaseRpt", "TfrmQtxr72"}));
    ktr::platform::Free(form);
}

struct ConditionCountCase {
    std::int32_t current;
    std::int32_t n;
    std::int32_t expected;
};

TEST(JobForm, ConditionCountCountsThePrintDateOnlyOnce)
{
    TfrmQtxr72 *form = ktr::platform::createComponent<TfrmQtxr72>(nullptr);
    const ConditionCountCase cases[] = {{0, 0, 1}, {1, 9, 10}, {2, 13, 13}, {10, 13, 13}};
    for (const ConditionCountCase &c : cases) {
        form->ConditionCount = c.current;
        form->SetConditionCount(c.n);
        EXPECT_EQ(form->ConditionCount, c.expected) << c.current << "," << c.n;
    }
    ktr::platform::Free(form);
}

} // namespace
