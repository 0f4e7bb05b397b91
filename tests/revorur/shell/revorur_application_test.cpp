// The application object of Revorur, made on the offscreen platform.

#include "revorur/shell/revorur_application.h"
#include "tests/support/scoped_env.h"

#include <gtest/gtest.h>

namespace doz::shell {
namespace {

TEST(RevorurApplication, CaptionsAreTheFormsOwn) {
    const test::ScopedEnv platform("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "Revorur";
    static char* argv[] = {name, nullptr};
    RevorurApplication app(argc, argv);
    EXPECT_EQ(QCoreApplication::applicationName(), "Revorur");
    // The windowing platform appends a display name that was set to every window title; one
    // that was not set follows the application name and is never appended.
    QCoreApplication::setApplicationName("Renamed");
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), "Renamed");
}

} // namespace
} // namespace doz::shell
