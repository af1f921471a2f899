#include "BtChkBox.h"
#include "DBLabel.h"
#include "ExtPage.h"
#include "F2Button.h"
#include "KtRadioGroup.h"
#include "KtSpin.h"
#include "KtrEdit.h"
#include "LibRTTI.h"
#include "LookupForm.h"

namespace {

// Names the forms, condition schemes and language packages address the controls by.
struct PublishedCase {
    std::string name;
    std::function<QObject *()> make;
    QStringList properties;
};

class ControlProperties : public testing::TestWithParam<PublishedCase> {};

TEST_P(ControlProperties, PublishedUnderTheirNames)
{
    std::unique_ptr<QObject> object(GetParam().make());
    for (const QString &property : GetParam().properties)
        EXPECT_TRUE(HasPropByName(object.get(), property)) << property.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Classes, ControlProperties,
    testing::Values(
        PublishedCase{"TGSpeedButton", [] { return new TGSpeedButton; }, {"GlyphIndex", "HintIndex", "Glyph", "NumGlyphs", "Flat", "Caption", "Hint", "OnClick"}},
        PublishedCase{"TF2Button", [] { return new TF2Button; }, {"F2Control", "AutoAlign", "Gap", "GlyphIndex", "Flat", "Hint"}},
        PublishedCase{"TDBLabel", [] { return new TDBLabel; }, {"FocusControl", "AutoAlign", "AutoCaption", "Gap", "Pos", "Caption"}},
        PublishedCase{"TKtEdit", [] { return new TKtEdit; }, {"Caption", "LabelPosition", "LabelSpacing", "Text", "OnChange", "OnExit"}},
        PublishedCase{"TKtDBEdit", [] { return new TKtDBEdit; }, {"Caption", "LabelPosition", "LabelSpacing", "DataField", "DataSource", "Text"}},
        PublishedCase{"TKtBtnDBEdit", [] { return new TKtBtnDBEdit; }, {"ButtonSpacing", "GlyphIndex", "ButtonHint", "OnDialog", "Caption", "DataField"}},
        PublishedCase{"TKtSpinEdit", [] { return new TKtSpinEdit; }, {"Value", "MinValue", "MaxValue", "Text", "OnChange"}},
        PublishedCase{"TBitCheckBox", [] { return new TBitCheckBox; }, {"Caption", "State", "Checked", "AllowGrayed", "Alignment", "CheckedGlyph", "UncheckedGlyph", "GrayedGlyph", "CheckedNumGlyphs", "UncheckedNumGlyphs", "GrayedNumGlyphs", "Ctl3D", "Color", "Font", "TabStop", "OnClick", "OnEnter", "OnExit", "OnKeyDown"}},
        PublishedCase{"TKtRadioButton", [] { return new TKtRadioButton; }, {"Caption", "Checked", "Alignment", "Ctl3D", "TabStop", "OnClick", "OnEnter"}},
        PublishedCase{"TKtRadioGroup", [] { return new TKtRadioGroup; }, {"Caption", "Items", "ItemIndex", "Columns", "OnClick"}},
        PublishedCase{"TExtPageControl", [] { return new TExtPageControl; }, {"OnDrawTab", "ActivePageIndex", "OnChange", "OnChanging"}}),
    [](const testing::TestParamInfo<PublishedCase> &info) { return info.param.name; });

TEST(ControlProperties, EnumerationsAndValuesByName)
{
    TDBLabel label;
    SetOrdPropByName(&label, QStringLiteral("pos"), psBottom);
    EXPECT_EQ(label.Pos(), psBottom);
    TKtEdit edit;
    SetOrdPropByName(&edit, QStringLiteral("LabelPosition"), lpRight);
    EXPECT_EQ(edit.LabelPosition(), lpRight);
    edit.SetCaption(QStringLiteral("每隔小时"));
    EXPECT_EQ(GetStrPropByName(&edit, QStringLiteral("Caption")), QStringLiteral("每隔小时"));
    TBitCheckBox box;
    SetOrdPropByName(&box, QStringLiteral("Checked"), 1);
    EXPECT_EQ(box.State(), cbChecked);
    EXPECT_EQ(GetOrdPropByName(&box, QStringLiteral("State")), int(cbChecked));
    TKtRadioGroup group;
    group.SetItems({QStringLiteral("每天"), QStringLiteral("每周")});
    SetOrdPropByName(&group, QStringLiteral("ItemIndex"), 1);
    EXPECT_TRUE(group.Buttons(1)->Checked());
}

} // namespace
