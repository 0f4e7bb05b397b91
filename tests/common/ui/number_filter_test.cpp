#include "common/ui/number_filter.h"
#include "common/ui/testing/test_application.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace doz::ui {
namespace {

using doz::platform::NumberBoxRule;

class NumberFilter : public ::testing::Test {
protected:
    QLineEdit& box(NumberBoxRule rule) {
        installNumberFilter(&edit_, rule);
        return edit_;
    }

private:
    QApplication& application_ = testing::testApplication();
    QLineEdit edit_;
};

TEST_F(NumberFilter, WholeNumberBoxesTakeDigitsOnly) {
    QLineEdit& edit = box({false, false});
    QTest::keyClicks(&edit, "1a2.3-4 5+e");
    EXPECT_EQ(edit.text(), "12345");
}

TEST_F(NumberFilter, DecimalBoxesTakeThePointAndSignedOnesTheMinus) {
    QLineEdit& decimal = box({true, false});
    QTest::keyClicks(&decimal, "-2.5V");
    EXPECT_EQ(decimal.text(), "2.5");

    QLineEdit signedBox;
    installNumberFilter(&signedBox, {true, true});
    QTest::keyClicks(&signedBox, "-2.5V");
    EXPECT_EQ(signedBox.text(), "-2.5");
}

TEST_F(NumberFilter, EditingKeysStillWork) {
    QLineEdit& edit = box({false, false});
    QTest::keyClicks(&edit, "13");
    QTest::keyClick(&edit, Qt::Key_Left);
    QTest::keyClicks(&edit, "2");
    EXPECT_EQ(edit.text(), "123");
    QTest::keyClick(&edit, Qt::Key_Backspace);
    EXPECT_EQ(edit.text(), "13");
    QTest::keyClick(&edit, Qt::Key_Home);
    QTest::keyClick(&edit, Qt::Key_Delete);
    EXPECT_EQ(edit.text(), "3");
    QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(&edit, "7");
    EXPECT_EQ(edit.text(), "7");
}

TEST_F(NumberFilter, PastedTextIsNotFiltered) {
    QLineEdit& edit = box({false, false});
    QApplication::clipboard()->setText("x9");
    edit.paste();
    EXPECT_EQ(edit.text(), "x9");
}

} // namespace
} // namespace doz::ui
