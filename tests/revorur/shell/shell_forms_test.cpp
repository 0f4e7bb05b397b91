// The welcome splash, the About box and the System Information dialog, alone and as the main
// window opens them.

#include "common/ui/testing/scripted_dialogs.h"
#include "main_form_fixture.h"
#include "revorur/shell/about_form.h"
#include "revorur/shell/shell_forms.h"
#include "revorur/shell/system_info_form.h"
#include "revorur/shell/welcome_form.h"

#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace doz::shell {
namespace {

using Kind = ui::testing::DialogCall::Kind;
constexpr std::uint64_t MiB = 1024ull * 1024;

TEST(WelcomeForm, ABorderlessPictureThatClosesWhenItsTimerFires) {
    ui::testing::testApplication();
    TForm_Welcome welcome;
    EXPECT_EQ(welcome.windowTitle(), "Welcome");
    EXPECT_TRUE(welcome.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(welcome.size(), QSize(601, 362));
    ASSERT_FALSE(welcome.Image1->pixmap().isNull());
    EXPECT_EQ(welcome.Image1->pixmap().size(), QSize(601, 362));
    EXPECT_EQ(welcome.Timer1->interval(), 2000);
    EXPECT_FALSE(welcome.Timer1->isActive()) << "the timer waits for the splash to show";

    welcome.Timer1->setInterval(20); // the splash's duration is its timer's
    welcome.show();
    EXPECT_TRUE(welcome.Timer1->isActive());
    QTRY_VERIFY_WITH_TIMEOUT(!welcome.isVisible(), 5000);
    EXPECT_FALSE(welcome.Timer1->isActive());
}

// A machine whose memory figures move on at every reading, while its processor would read
// differently too if it were read again.
struct ChangingMachine {
    int readings = 0;
    platform::SystemInfo operator()() {
        ++readings;
        platform::SystemInfo info;
        info.windowsProcessorType = readings == 1 ? 586 : 486;
        info.windowsArchitectureCode = 0;
        info.processorCount = static_cast<unsigned>(readings);
        info.processorMhz = 1000u * static_cast<unsigned>(readings);
        info.minApplicationAddress = 0x10000;
        info.maxApplicationAddress = 0x7FFEFFFF + static_cast<std::uint64_t>(readings);
        info.totalPhysicalMemory = 4096 * MiB;
        info.availablePhysicalMemory = static_cast<std::uint64_t>(1000 + readings) * MiB;
        info.totalAddressSpace = 2048 * MiB;
        info.availableAddressSpace = static_cast<std::uint64_t>(1500 - readings) * MiB;
        return info;
    }
};

class SystemInfoFormTest : public test::RegistryTest {
protected:
    void SetUp() override { ui::testing::testApplication(); }
    static QStringList texts(std::initializer_list<QLabel*> labels) {
        QStringList out;
        for (QLabel* l : labels)
            out << l->text();
        return out;
    }
    static QStringList processorTexts(const TForm_SystemInfo& f) {
        return texts({f.Label_ProcInfo_00, f.Label_ProcInfo_01, f.Label_ProcInfo_02, f.Label_ProcInfo_03,
                      f.Label_ProcInfo_04, f.Label_ProcInfo_05});
    }
    static QStringList memoryTexts(const TForm_SystemInfo& f) {
        return texts({f.Label_MemInfo_00, f.Label_MemInfo_01, f.Label_MemInfo_02, f.Label_MemInfo_03,
                      f.Label_MemInfo_04});
    }
    ui::testing::ScopedDialogs dialogs;
};

TEST_F(SystemInfoFormTest, ProcessorOnceAndMemoryAtEveryTick) {
    auto machine = std::make_shared<ChangingMachine>();
    TForm_SystemInfo form(nullptr, [machine] { return (*machine)(); });
    EXPECT_EQ(form.windowTitle(), "System Information");
    EXPECT_EQ(form.findChild<QLabel*>("Label_MemInfo_04"), form.Label_MemInfo_04);
    const QStringList processor = processorTexts(form);
    EXPECT_EQ(processor, (QStringList{"Intel Pentium", "1", "Intel", "1000 MHz", "0x0000000000010000",
                                      "0x000000007FFF0000"}));
    EXPECT_EQ(memoryTexts(form), (QStringList{"4194304 KBytes", "1025024 KBytes", "2097152 KBytes",
                                              "1534976 KBytes", "2560000 KBytes"}));
    EXPECT_TRUE(form.Timer1->isActive());
    EXPECT_EQ(form.Timer1->interval(), 1000);

    form.Timer1Timer();
    EXPECT_EQ(form.Label_MemInfo_01->text(), "1026048 KBytes");
    EXPECT_EQ(form.Label_MemInfo_03->text(), "1533952 KBytes");
    EXPECT_EQ(form.Label_MemInfo_00->text(), "4194304 KBytes");
    EXPECT_EQ(processorTexts(form), processor) << "the processor part is filled once";
    EXPECT_EQ(dialogs.count(Kind::ShowException), 0u);
}

TEST_F(SystemInfoFormTest, TheOpenDialogRefreshesUntilItCloses) {
    auto machine = std::make_shared<ChangingMachine>();
    TForm_SystemInfo form(nullptr, [machine] { return (*machine)(); });
    form.Timer1->setInterval(10);
    form.show();
    const QString first = form.Label_MemInfo_01->text();
    QTRY_VERIFY_WITH_TIMEOUT(form.Label_MemInfo_01->text() != first, 5000);

    QTest::mouseClick(form.Button1, Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_FALSE(form.Timer1->isActive()) << "closing stops the refresh";
    const int readings = machine->readings;
    QTest::qWait(50);
    EXPECT_EQ(machine->readings, readings);
}

TEST_F(SystemInfoFormTest, ClockFromTheRegistryAndNoBoxWhenNothingHasOne) {
    writeHive("REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\HARDWARE\\DESCRIPTION\\System\\CentralProcessor\\0]\n"
              "\"~MHz\"=dword:00000bb8\n\n");
    TForm_SystemInfo fromRegistry(nullptr, ChangingMachine());
    EXPECT_EQ(fromRegistry.Label_ProcInfo_03->text(), "3000 MHz");

    writeHive("REGEDIT4\n\n");
    TForm_SystemInfo fromNothing(nullptr, [] { return platform::SystemInfo(); });
    EXPECT_EQ(fromNothing.Label_ProcInfo_03->text(), "Unknow");
    EXPECT_EQ(fromNothing.Label_ProcInfo_04->text(), "0x0000000000000000")
        << "the labels after the clock fill";
    EXPECT_EQ(fromNothing.Label_MemInfo_04->text(), "0 KBytes");
    EXPECT_EQ(dialogs.count(Kind::ShowException), 0u);
}

TEST_F(SystemInfoFormTest, ThisMachine) {
    TForm_SystemInfo form;
    EXPECT_NE(form.Label_ProcInfo_01->text(), "0");
    EXPECT_TRUE(form.Label_ProcInfo_05->text().startsWith("0x"));
    EXPECT_EQ(form.Label_ProcInfo_05->text().size(), 18);
    EXPECT_NE(form.Label_MemInfo_00->text(), "0 KBytes");
}

TEST(AboutForm, NameVersionAndAnOkButton) {
    ui::testing::testApplication();
    TForm_About about;
    EXPECT_EQ(about.windowTitle(), "About Revorur");
    EXPECT_EQ(about.size(), QSize(297, 308));
    EXPECT_EQ(about.ProductName->text(), "Revorur Version : 1.52");
    EXPECT_EQ(about.Version->text(), "(Oct 7, 2009)");
    EXPECT_FALSE(about.ProgramIcon->pixmap().isNull());
    EXPECT_TRUE(about.Memo1->isReadOnly());
    EXPECT_TRUE(about.Memo1->toPlainText().isEmpty());
    EXPECT_EQ(about.Memo1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_TRUE(about.Button2->isDefault());
    EXPECT_EQ(about.Button2->text(), "OK");
    about.show();
    QTest::mouseClick(about.Button2, Qt::LeftButton);
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(about.result(), QDialog::Accepted);
}

class ShellFormsTest : public testing::MainFormTest {
protected:
    void SetUp() override {
        MainFormTest::SetUp();
        forms = std::make_unique<ShellForms>(*form);
    }
    void TearDown() override {
        forms.reset();
        MainFormTest::TearDown();
    }
    std::vector<ui::testing::DialogCall> modalRuns() const { return dialogs.callsOf(Kind::RunModal); }

    ui::testing::ScopedDialogs dialogs;
    std::unique_ptr<ShellForms> forms;
};

TEST_F(ShellFormsTest, TheSplashShowsOnceWhenTheWindowFirstShows) {
    int splashMilliseconds = 0;
    dialogs.modalScripts.push_back([&](QDialog* d) {
        splashMilliseconds = static_cast<TForm_Welcome*>(d)->Timer1->interval();
        return int(QDialog::Accepted);
    });
    form->FormCreate("/opt/dz/Revorur");
    QCoreApplication::processEvents();
    EXPECT_TRUE(modalRuns().empty()) << "nothing before the window shows";

    form->show();
    QTRY_COMPARE_WITH_TIMEOUT(modalRuns().size(), std::size_t(1), 5000);
    EXPECT_EQ(modalRuns()[0].dialogClass, "doz::shell::TForm_Welcome");
    EXPECT_EQ(modalRuns()[0].title, "Welcome");
    EXPECT_EQ(splashMilliseconds, 2000);

    form->showMinimized();
    QCoreApplication::processEvents();
    form->showNormal();
    form->hide();
    form->show();
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(modalRuns().size(), 1u) << "un-minimising or showing again shows no splash";
}

TEST_F(ShellFormsTest, AboutSitsBelowAndRightOfTheWindowsCorner) {
    form->move(100, 80);
    form->show();
    QCoreApplication::processEvents();
    dialogs.calls.clear();
    QPoint aboutAt;
    QString product;
    dialogs.modalScripts.push_back([&](QDialog* d) {
        aboutAt = d->pos();
        product = static_cast<TForm_About*>(d)->ProductName->text();
        return int(QDialog::Accepted);
    });
    form->menuAbout->trigger();
    ASSERT_EQ(modalRuns().size(), 1u);
    EXPECT_EQ(modalRuns()[0].dialogClass, "doz::shell::TForm_About");
    EXPECT_EQ(aboutAt, form->pos() + QPoint(24, 24));
    EXPECT_EQ(product, "Revorur Version : 1.52");
    EXPECT_TRUE(form->findChildren<TForm_About*>().isEmpty()) << "destroyed when it closes";
}

TEST_F(ShellFormsTest, SystemInformationFromTheHelpMenu) {
    QString clock;
    bool refreshing = false;
    dialogs.modalScripts.push_back([&](QDialog* d) {
        auto* info = static_cast<TForm_SystemInfo*>(d);
        clock = info->Label_ProcInfo_03->text();
        refreshing = info->Timer1->isActive();
        return int(QDialog::Accepted);
    });
    form->menuSystemInformation->trigger();
    ASSERT_EQ(modalRuns().size(), 1u);
    EXPECT_EQ(modalRuns()[0].dialogClass, "doz::shell::TForm_SystemInfo");
    EXPECT_EQ(modalRuns()[0].title, "System Information");
    EXPECT_TRUE(clock.endsWith(" MHz") || clock == "Unknow") << clock.toStdString();
    EXPECT_TRUE(refreshing);
    EXPECT_TRUE(form->findChildren<TForm_SystemInfo*>().isEmpty());
}

} // namespace
} // namespace doz::shell
