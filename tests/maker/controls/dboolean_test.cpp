#include "maker/controls/dboolean.h"

#include "screen_probe.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QSignalSpy>
#include <QTest>

using namespace doz::controls;
using namespace doz::controls::test;

namespace {

QPoint centre(QAbstractButton* button) {
    return button->rect().center();
}

} // namespace

TEST(DBoolean, PropertiesThroughThePropertyInterface) {
    TDBoolean bank;
    EXPECT_EQ(bank.lineCount(), 8);
    EXPECT_TRUE(bank.setProperty("Style", 7));
    EXPECT_TRUE(bank.setProperty("ControlMode", 1u));
    EXPECT_TRUE(bank.setProperty("TopColor", QColor(255, 0, 0)));
    EXPECT_TRUE(bank.setProperty("Value", 0x1A5u));
    EXPECT_EQ(bank.Style(), 7);
    EXPECT_EQ(bank.ControlMode(), 1u);
    EXPECT_EQ(bank.TopColor(), QColor(255, 0, 0));
    EXPECT_EQ(bank.property("Value").toUInt(), 0xA5u) << "an 8-line bank keeps 8 bits";
    EXPECT_TRUE(bank.lineButton(0)->isChecked());
    EXPECT_FALSE(bank.lineButton(1)->isChecked());
    EXPECT_TRUE(bank.lineButton(7)->isChecked());
    EXPECT_EQ(bank.lineButton(3)->accessibleName(), "Line 3");
    EXPECT_EQ(bank.lineButton(8), nullptr);
}

TEST(DBoolean, UserClicksToggleOutputsAndRaiseTheEventSettingValueDoesNot) {
    TDBoolean bank;
    bank.SetStyle(TDBoolean::SwitchStyle);
    bank.SetControlMode(TDBoolean::UserMode);
    bank.resize(260, 60);
    bank.show();
    QSignalSpy clicks(&bank, &TDBoolean::OnButtonClick);
    bank.SetValue(0x01);
    EXPECT_EQ(clicks.count(), 0);

    QTest::mouseClick(bank.lineButton(2), Qt::LeftButton, {}, centre(bank.lineButton(2)));
    ASSERT_EQ(clicks.count(), 1);
    EXPECT_EQ(clicks.at(0).at(0).toInt(), 2);
    EXPECT_EQ(bank.Value(), 0x05u);
    QTest::mouseClick(bank.lineButton(0), Qt::LeftButton, {}, centre(bank.lineButton(0)));
    EXPECT_EQ(bank.Value(), 0x04u);

    bank.lineButton(5)->setFocus();
    QTest::keyClick(bank.lineButton(5), Qt::Key_Space);
    EXPECT_EQ(bank.Value(), 0x24u) << "the keyboard toggles a focused switch";
    EXPECT_EQ(clicks.count(), 3);

    bank.setEnabled(false);
    QTest::mouseClick(bank.lineButton(1), Qt::LeftButton, {}, centre(bank.lineButton(1)));
    EXPECT_EQ(bank.Value(), 0x24u);
    EXPECT_EQ(clicks.count(), 3);
}

TEST(DBoolean, AnIndicatorOnlyShowsValue) {
    TDBoolean bank;
    bank.resize(260, 60);
    bank.show();
    QSignalSpy clicks(&bank, &TDBoolean::OnButtonClick);
    bank.SetValue(0x80);
    QTest::mouseClick(bank.lineButton(7), Qt::LeftButton, {}, centre(bank.lineButton(7)));
    bank.lineButton(6)->click();
    EXPECT_EQ(bank.Value(), 0x80u);
    EXPECT_TRUE(bank.lineButton(7)->isChecked());
    EXPECT_FALSE(bank.lineButton(6)->isChecked());
    EXPECT_EQ(clicks.count(), 0);
}

TEST(DBoolean, LampsShowTheTopColourForLinesThatAreOn) {
    TDBoolean bank;
    bank.resize(260, 60);
    bank.show();
    bank.SetTopColor(QColor(0, 255, 0));
    bank.SetValue(0x01);
    QAbstractButton* on = bank.lineButton(0);
    QAbstractButton* off = bank.lineButton(1);
    const QColor green(0, 255, 0);
    EXPECT_GT(pixelsLike(grabbed(*on), on->rect(), green), 50);
    EXPECT_EQ(pixelsLike(grabbed(*off), off->rect(), green), 0);

    bank.SetTopColor(QColor(255, 0, 0));
    EXPECT_GT(pixelsLike(grabbed(*on), on->rect(), QColor(255, 0, 0)), 50);

    bank.setEnabled(false);
    EXPECT_EQ(pixelsLike(grabbed(*on), on->rect(), QColor(255, 0, 0)), 0) << "a disabled bank greys";
}
