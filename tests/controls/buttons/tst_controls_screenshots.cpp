// Renders each family of controls as the job forms use them into PNG files under
// <build>/screenshots/controls, for a look at pictures and Chinese captions.

#include "BtChkBox.h"
#include "DBLabel.h"
#include "ExtPage.h"
#include "F2Button.h"
#include "GSpdBtn.h"
#include "KtRadioButton.h"
#include "KtRadioGroup.h"
#include "KtSpin.h"
#include "KtrEdit.h"
#include "LookupForm.h"

#include <KtGlyphs.h>

#include <QDir>
#include <QFontDatabase>

namespace {

class Screenshots : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(QFontDatabase::families(QFontDatabase::SimplifiedChinese).isEmpty())
            << "no font for Chinese captions";
        form.SetFont(ktr::platform::makeFont(QStringLiteral("宋体"), -13));
        form.SetBounds(0, 0, 560, 330);
    }

    // Saves the widget as <name>.png and checks that something was drawn.
    void save(QWidget *widget, const char *name)
    {
        showActive(&form);
        const QImage image = widget->grab().toImage();
        ASSERT_FALSE(image.isNull());
        const QString folder = QStringLiteral(KTR_SCREENSHOT_DIR);
        ASSERT_TRUE(QDir().mkpath(folder));
        const QString file = QDir(folder).filePath(QString::fromLatin1(name) + QStringLiteral(".png"));
        ASSERT_TRUE(image.save(file)) << file.toStdString();
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); y += 2)
            for (int x = 0; x < image.width(); x += 2)
                colours.insert(image.pixel(x, y));
        EXPECT_GT(colours.size(), 8) << name;
    }

    TForm form;
};

TEST_F(Screenshots, CheckBoxes)
{
    auto *group = new TGroupBox(&form, &form);
    group->SetCaption(QStringLiteral("报表生成选项"));
    group->SetBounds(8, 8, 300, 150);
    struct Row {
        const char *caption;
        TCheckBoxState state;
        bool enabled;
        TAlignment alignment;
    };
    const Row rows[] = {
        {"完成后通知 (未选)", cbUnchecked, true, taRightJustify},
        {"生成报表 (选中)", cbChecked, true, taRightJustify},
        {"可供网页浏览 (灰)", cbGrayed, true, taRightJustify},
        {"直接打印 (停用, 选中)", cbChecked, false, taRightJustify},
        {"每页打印页脚 (左对齐)", cbChecked, true, taLeftJustify},
        {"每页打印签核(&S) (焦点)", cbUnchecked, true, taRightJustify},
    };
    TBitCheckBox *last = nullptr;
    int top = 22;
    for (const Row &row : rows) {
        auto *box = new TBitCheckBox(&form, group);
        box->SetBounds(12, top, 220, 17);
        box->SetCaption(QString::fromUtf8(row.caption));
        box->SetAllowGrayed(true);
        box->SetState(row.state);
        box->SetAlignment(row.alignment);
        box->SetEnabled(row.enabled);
        top += 20;
        last = box;
    }
    showActive(&form);
    last->SetFocus();
    save(group, "checkboxes");
}

TEST_F(Screenshots, RadioButtons)
{
    auto *panel = new TPanel(&form, &form);
    panel->SetBounds(0, 0, 520, 130);
    auto *genTime = new TGroupBox(&form, panel);
    genTime->SetCaption(QStringLiteral("生成时间"));
    genTime->SetBounds(8, 8, 220, 115);
    const char *captions[] = {"实时生成信息", "放入工作队列", "在下列时间生成信息"};
    int top = 20;
    for (const char *caption : captions) {
        auto *button = new TKtRadioButton(&form, genTime);
        button->SetBounds(5, top, 200, 17);
        button->SetCaption(QString::fromUtf8(caption));
        top += 18;
    }
    qobject_cast<TKtRadioButton *>(genTime->Controls(1))->SetChecked(true);
    auto *disabled = new TKtRadioButton(&form, genTime);
    disabled->SetBounds(5, top, 200, 17);
    disabled->SetCaption(QStringLiteral("停用的选项"));
    disabled->SetEnabled(false);

    auto *period = new TKtRadioGroup(&form, panel);
    period->SetCaption(QStringLiteral("周期"));
    period->SetBounds(240, 8, 270, 115);
    period->SetColumns(2);
    period->SetItems({QStringLiteral("每天"), QStringLiteral("每周"), QStringLiteral("每月"),
                      QStringLiteral("每隔几小时")});
    period->SetItemIndex(2);
    save(panel, "radiobuttons");
}

TEST_F(Screenshots, PageControl)
{
    auto *pages = new TExtPageControl(&form, &form);
    pages->SetBounds(0, 0, 400, 160);
    const char *captions[] = {"隐藏页", "基本选项", "系统选项", "高级选项"};
    for (const char *caption : captions) {
        auto *page = new TTabSheet(&form, pages);
        page->SetCaption(QString::fromUtf8(caption));
    }
    pages->Pages(0)->SetTabVisible(false);
    pages->SetActivePageIndex(2);
    auto *note = new TLabel(&form, pages->Pages(2));
    note->SetBounds(20, 20, 300, 20);
    note->SetCaption(QStringLiteral("第一页的页签隐藏: 页签 0 显示\"基本选项\""));
    save(pages, "pagecontrol");
}

TEST_F(Screenshots, GlyphButtons)
{
    auto *panel = new TPanel(&form, &form);
    panel->SetBounds(0, 0, 540, 150);
    const int numbers[] = {1, 2, 3, 4, 5, 6, 8, 9, 11, 12, 13, 14, 15, 21, 22, 23, 24, 25, 39,
                           40, 47, 78, 81, 7, 82};
    int i = 0;
    for (int number : numbers) {
        const int x = 8 + (i % 13) * 40;
        const int y = 8 + (i / 13) * 48;
        auto *button = new TGSpeedButton(&form, panel);
        button->SetBounds(x, y, 26, 26);
        button->SetFlat(i % 2 == 1);
        button->SetGlyphIndex(number);
        auto *label = new TLabel(&form, panel);
        label->SetBounds(x + 4, y + 28, 30, 14);
        label->SetCaption(QString::number(number));
        ++i;
    }
    auto *disabled = new TGSpeedButton(&form, panel);
    disabled->SetBounds(8 + 12 * 40, 56, 26, 26);
    disabled->SetGlyphIndex(4);
    disabled->SetEnabled(false);
    auto *caption = new TLabel(&form, panel);
    caption->SetBounds(8, 112, 520, 14);
    caption->SetCaption(QStringLiteral("7 与 82 没有图片, 显示编号; 最后一个是停用的清除按钮 (第二格)"));
    save(panel, "glyphbuttons");
}

TEST_F(Screenshots, LabelledEdits)
{
    auto *panel = new TPanel(&form, &form);
    panel->SetBounds(0, 0, 440, 190);

    auto *printDate = new TMaskEdit(&form, panel);
    printDate->SetBounds(90, 10, 85, 21);
    printDate->SetText(QStringLiteral("2024/05/01"));
    auto *today = new TDBLabel(&form, panel);
    today->SetCaption(QStringLiteral("制表日期"));
    today->SetFocusControl(printDate);
    auto *datePick = new TF2Button(&form, panel);
    datePick->SetGlyphIndex(9);
    datePick->SetF2Control(printDate);

    auto *remark = new TEdit(&form, panel);
    remark->SetBounds(90, 40, 183, 21);
    remark->SetText(QStringLiteral("调整基数"));
    auto *remarkLabel = new TDBLabel(&form, panel);
    remarkLabel->SetCaption(QStringLiteral("输入备注"));
    remarkLabel->SetFocusControl(remark);
    auto *phrases = new TF2Button(&form, panel);
    phrases->SetGlyphIndex(11);
    phrases->SetF2Control(remark);

    auto *hours = new TKtEdit(&form, panel);
    hours->SetBounds(90, 72, 40, 21);
    hours->SetCaption(QStringLiteral("每隔小时"));
    hours->SetText(QStringLiteral("4"));

    auto *noteId = new TKtBtnDBEdit(&form, panel);
    noteId->SetBounds(90, 104, 65, 21);
    noteId->SetCaption(QStringLiteral("编号"));
    noteId->SetGlyphIndex(81);
    noteId->SetText(QStringLiteral("F001"));

    auto *signIn = new TKtBtnDBEdit(&form, panel);
    signIn->SetBounds(250, 104, 65, 21);
    signIn->SetCaption(QStringLiteral("签核(停用)"));
    signIn->SetGlyphIndex(81);
    signIn->SetEnabled(false);

    auto *days = new TKtSpinEdit(&form, panel);
    days->SetBounds(90, 140, 60, 22);
    days->SetText(QStringLiteral("-5"));
    auto *daysLabel = new TDBLabel(&form, panel);
    daysLabel->SetCaption(QStringLiteral("天数"));
    daysLabel->SetFocusControl(days);
    auto *above = new TKtEdit(&form, panel);
    above->SetBounds(250, 150, 100, 21);
    above->SetLabelPosition(lpAbove);
    above->SetCaption(QStringLiteral("标签在上"));
    save(panel, "labellededits");
}

} // namespace
