#include "revorur/devices/catalogue/card_types.h"
#include "revorur/devices/catalogue/subtype_groups.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace doz::catalogue {

TEST(CardTypes, LabelsAndDescriptions) {
    EXPECT_EQ(DeviceLabelOfType(1), "Virtual Device (Pesudo Signal)");
    EXPECT_EQ(DescriptionOfType(1), "");
    EXPECT_EQ(DeviceLabelOfType(130), "cPCI-D231R");
    EXPECT_EQ(DescriptionOfType(210), "96/48-CH High-Dribing DIO Card");
    EXPECT_EQ(DescriptionOfType(1580), "96-CH 12-Bit 3 MS/s Ultra High-Densuty Analog Input PXI Module");
    EXPECT_EQ(DeviceLabelOfType(1620), "DAQ-E465 or PXI-E465");

    EXPECT_EQ(DescriptionOfType(150), "");
    EXPECT_EQ(DescriptionOfType(480), "");
    EXPECT_EQ(DeviceLabelOfType(450), "");
    EXPECT_EQ(DescriptionOfType(450), "Low-Cost 16-Bit Multi-Function DAQ Card with 2-CH Encoder Input");

    EXPECT_EQ(DeviceLabelOfType(70), "") << "70 is not a card type";
    EXPECT_EQ(DescriptionOfType(9999), "");
    EXPECT_EQ(FindCardType(70), nullptr);
}

TEST(CardTypes, PanelsFollowTheFamily) {
    EXPECT_EQ(PanelOfType(1), PanelKind::VirtualDevice);
    EXPECT_EQ(PanelOfType(30), PanelKind::Axxx);
    EXPECT_EQ(PanelOfType(60), PanelKind::D210);
    EXPECT_EQ(PanelOfType(160), PanelKind::None);
    EXPECT_EQ(PanelOfType(230), PanelKind::D260);
    EXPECT_EQ(PanelOfType(310), PanelKind::Dxxx);
    EXPECT_EQ(PanelOfType(320), PanelKind::T310);
    EXPECT_EQ(PanelOfType(450), PanelKind::Mxxx);
    EXPECT_EQ(PanelOfType(480), PanelKind::None);
    EXPECT_EQ(PanelOfType(500), PanelKind::A110);
    EXPECT_EQ(PanelOfType(501), PanelKind::M680);
    EXPECT_EQ(PanelOfType(1000), PanelKind::Mxxx);
    EXPECT_EQ(PanelOfType(1510), PanelKind::Generic);
    EXPECT_EQ(PanelOfType(12345), PanelKind::None);
}

TEST(CardTypes, SubTypeDialogsAliasDialogsAndCalibration) {
    EXPECT_EQ(FindCardType(20)->subTypeGroup, 10);
    EXPECT_EQ(FindCardType(50)->subTypeGroup, 40);
    EXPECT_EQ(FindCardType(460)->subTypeGroup, 470);
    EXPECT_EQ(FindCardType(350)->subTypeGroup, 0);
    EXPECT_EQ(FindCardType(480)->subTypeGroup, 0) << "S720A has no panel, so no dialog";

    EXPECT_EQ(AliasDialogOfType(30), AliasDialogKind::A120);
    EXPECT_EQ(AliasDialogOfType(40), AliasDialogKind::Generic) << "the A130 has no alias group dialog";
    EXPECT_EQ(AliasDialogOfType(400), AliasDialogKind::M640);
    EXPECT_EQ(AliasDialogOfType(480), AliasDialogKind::S720);
    EXPECT_EQ(AliasDialogOfType(1), AliasDialogKind::Generic);

    for (const auto& t : AllCardTypes())
        EXPECT_EQ(HasCalibration(t.code), t.code >= 1510 && t.code <= 1620) << t.code;
    EXPECT_FALSE(HasCalibration(0));

    EXPECT_EQ(CapabilityCodeOfType(140), 150);
    EXPECT_EQ(CapabilityCodeOfType(150), 150);
    EXPECT_EQ(CapabilityCodeOfType(330), 330);
}

TEST(CardTypes, CodesAreUnique) {
    std::set<int> codes;
    for (const auto& t : AllCardTypes())
        EXPECT_TRUE(codes.insert(t.code).second) << t.code;
    EXPECT_EQ(codes.size(), 63u);
}

std::vector<int> codesOf(std::span<const SubTypeItem> items) {
    std::vector<int> out;
    for (const auto& i : items)
        out.push_back(i.code);
    return out;
}

std::vector<std::string_view> labelsOf(std::span<const SubTypeItem> items) {
    std::vector<std::string_view> out;
    for (const auto& i : items)
        out.push_back(i.label);
    return out;
}

TEST(SubTypeGroups, ListsInTheirFixedOrders) {
    const SubTypeGroup* m640 = SubTypeGroupOf(390);
    ASSERT_NE(m640, nullptr);
    EXPECT_EQ(m640->head, 370);
    EXPECT_EQ(codesOf(m640->dialog), (std::vector<int>{370, 380, 390, 400}));
    EXPECT_EQ(labelsOf(m640->dialog),
              (std::vector<std::string_view>{"M640-DG", "M640-HG", "M640A-DG", "M640A-HG"}));
    EXPECT_EQ(labelsOf(m640->aliasDialog),
              (std::vector<std::string_view>{"M640DG", "M640HG", "M640ADG", "M640AHG"}));

    const SubTypeGroup* a120 = SubTypeGroupOf(10);
    ASSERT_NE(a120, nullptr);
    EXPECT_EQ(labelsOf(a120->dialog), (std::vector<std::string_view>{"A120V", "A120A", "A125"}));
    EXPECT_EQ(labelsOf(a120->aliasOrder), (std::vector<std::string_view>{"A120V", "A120A", "A125V"}));

    const SubTypeGroup* a130 = SubTypeGroupOf(50);
    ASSERT_NE(a130, nullptr);
    EXPECT_EQ(codesOf(a130->dialog), (std::vector<int>{40, 50}));
    EXPECT_TRUE(a130->aliasDialog.empty());
    EXPECT_TRUE(a130->aliasOrder.empty());

    const SubTypeGroup* s720 = SubTypeGroupOf(480);
    ASSERT_NE(s720, nullptr);
    EXPECT_EQ(s720->head, 470);
    EXPECT_EQ(codesOf(s720->dialog), (std::vector<int>{460, 470}));
    EXPECT_EQ(labelsOf(s720->dialog), (std::vector<std::string_view>{"S710", "S720"}));
    EXPECT_EQ(codesOf(s720->aliasDialog), (std::vector<int>{460, 470, 480}));
    EXPECT_EQ(labelsOf(s720->aliasDialog), (std::vector<std::string_view>{"S710", "S720", "S720A"}));
    EXPECT_EQ(codesOf(s720->aliasOrder), (std::vector<int>{470, 460, 480}));
    EXPECT_EQ(labelsOf(s720->aliasOrder), (std::vector<std::string_view>{"S720", "S710", "S720A"}));
}

TEST(SubTypeGroups, HeadsAndTreeLabels) {
    EXPECT_EQ(GroupHeadOf(20), 10);
    EXPECT_EQ(GroupHeadOf(30), 10);
    EXPECT_EQ(GroupHeadOf(340), 330);
    EXPECT_EQ(GroupHeadOf(400), 370);
    EXPECT_EQ(GroupHeadOf(440), 420);
    EXPECT_EQ(GroupHeadOf(460), 470);
    EXPECT_EQ(GroupHeadOf(480), 470);
    EXPECT_EQ(GroupHeadOf(350), 350);
    EXPECT_EQ(GroupHeadOf(1), 1);

    EXPECT_EQ(AliasTreeLabelOf(380), "M640HG");
    EXPECT_EQ(AliasTreeLabelOf(30), "A125V");
    EXPECT_EQ(AliasTreeLabelOf(460), "S710");
    EXPECT_EQ(AliasTreeLabelOf(40), "") << "the A130 group has no alias labels";
    EXPECT_EQ(AliasTreeLabelOf(350), "");
}

} // namespace doz::catalogue
