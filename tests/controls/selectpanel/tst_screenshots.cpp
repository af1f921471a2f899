#include "PanelFixture.h"

#include <QDir>
#include <QFontInfo>
#include <QImage>

namespace {

using ::PrintTo;

// Pixels of `area` (in the image) that differ from the colour at its top-left corner.
int markedPixels(const QImage &image, const QRect &area)
{
    const QRgb background = image.pixel(area.topLeft());
    int marked = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            marked += image.pixel(x, y) != background ? 1 : 0;
    return marked;
}

QRect inPanel(const TSelectPanel *panel, const QWidget *child)
{
    return QRect(child->mapTo(panel, QPoint(0, 0)), child->size());
}

struct ShotCase {
    std::string name;
    std::function<void(TSelectPanel *)> fill;
    std::function<QWidget *(TSelectPanel *)> glyphButton;
};

class Screenshot : public PanelTest, public testing::WithParamInterface<ShotCase> {};

TEST_P(Screenshot, RendersChineseTextAndGlyphs)
{
    QFont font(QStringLiteral("WenQuanYi Micro Hei"));
    font.setPixelSize(12);
    form.SetFont(font);
    ASSERT_TRUE(QFontInfo(panel->font()).family().contains(QStringLiteral("WenQuanYi")))
        << QFontInfo(panel->font()).family().toStdString();
    panel->SetChildHints({"用户自定输入方式", "[F2]公司信息查询", "公司信息查询"});
    GetParam().fill(panel);

    const QImage image = panel->grab().toImage();
    ASSERT_EQ(image.size(), panel->size());
    const QDir folder(QStringLiteral(KTR_SCREENSHOT_DIR));
    ASSERT_TRUE(folder.mkpath(QStringLiteral(".")));
    const QString file = folder.filePath(QString::fromStdString(GetParam().name) + ".png");
    ASSERT_TRUE(image.save(file)) << file.toStdString();

    // The caption and the lookup glyph leave marks where they are drawn.
    EXPECT_GT(markedPixels(image, QRect(8, 0, 60, QFontMetrics(font).height())), 20);
    QWidget *button = GetParam().glyphButton(panel);
    EXPECT_GT(markedPixels(image, inPanel(panel, button).adjusted(2, 2, -2, -2)), 20)
        << button->objectName().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    SelectPanel, Screenshot,
    testing::Values(
        ShotCase{"range_panel",
                 [](TSelectPanel *p) {
                     p->SetCaption(QStringLiteral("选择员工编号"));
                     p->SetBounds(10, 10, 353, 45);
                     p->SetStyle(sp_Range);
                     p->edBegin->SetText(QStringLiteral("E0001"));
                     p->edFinal->SetText(QStringLiteral("E0999"));
                 },
                 [](TSelectPanel *p) { return static_cast<QWidget *>(p->btnBegin); }},
        ShotCase{"list_panel",
                 [](TSelectPanel *p) {
                     p->SetCaption(QStringLiteral("更新基数类型"));
                     p->SetBounds(10, 10, 353, 45);
                     p->SetOtherWidth(220);
                     p->SetOtherHeight(140);
                     p->SetStyle(sp_Discrete);
                     for (const QStringList &row : QList<QStringList>{{"01", "社保金基数", "月"},
                                                                        {"02", "公积金基数", "月"},
                                                                        {"03", "补充医疗", "年"}})
                         p->ListBox->AddRow(row);
                     p->ListBox->SetItemIndex(1);
                 },
                 [](TSelectPanel *p) { return static_cast<QWidget *>(p->btnClear); }},
        ShotCase{"user_choice_panel",
                 [](TSelectPanel *p) {
                     p->SetCaption(QStringLiteral("选择公司"));
                     p->SetBounds(10, 10, 163, 115);
                     p->SetStyle(sp_UserChoice);
                     p->SetGlyphIndex(78);
                     p->edBegin->SetText(QStringLiteral("总公司"));
                     p->edFinal->SetText(QStringLiteral("分公司"));
                 },
                 [](TSelectPanel *p) { return static_cast<QWidget *>(p->btnFinal); }}),
    caseName<ShotCase>);

} // namespace
