// The C reference-code window of a task: the template of its operation with the task's name
// put in, copied or saved.

#include "task_window_fixture.h"

#include "revorur/tasks/code_gen_form.h"

#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>

namespace doz::tasks::testing {
namespace {

using ui::testing::DialogCall;

class CodeGenTest : public TaskWindowTest {
protected:
    void SetUp() override {
        TaskWindowTest::SetUp();
        fs::create_directories(program_ / "codegen");
        registerTaskFolder(tasks_);
        // A current directory of the test's own: only what a test puts there is found there.
        enterDirectory(dir_ / "cwd");
    }
    void TearDown() override {
        if (!previousDirectory_.empty())
            fs::current_path(previousDirectory_);
        TaskWindowTest::TearDown();
    }
    void writeTemplate(const fs::path& folder, const std::string& name, const std::string& text) {
        fs::create_directories(folder / "codegen");
        writeText(folder / "codegen" / name, text);
    }
    void enterDirectory(const fs::path& folder) {
        if (previousDirectory_.empty())
            previousDirectory_ = fs::current_path();
        fs::create_directories(folder);
        fs::current_path(folder);
    }
    // Opens the code window of a task; `script` acts on it before it closes.
    void openCodeWindow(const QString& task, std::function<void(TForm_CodeGen&)> script = {}) {
        select(task);
        dialogs_.modalScripts.push_back([=, this](QDialog* dialog) {
            auto* form = dynamic_cast<TForm_CodeGen*>(dialog);
            EXPECT_NE(form, nullptr);
            if (!form)
                return int(QDialog::Rejected);
            caption_ = form->windowTitle();
            memo_ = form->Memo1->toPlainText().toStdString();
            base_ = form->Memo1->palette().color(QPalette::Base);
            readOnly_ = form->Memo1->isReadOnly();
            if (script)
                script(*form);
            form->Button_Close->click();
            return form->result();
        });
        run("BitBtn_TaskCodeGen");
        EXPECT_TRUE(dialogs_.modalScripts.empty()) << "the code window was not shown";
    }

    fs::path previousDirectory_;
    QString caption_;
    std::string memo_;
    QColor base_;
    bool readOnly_ = false;
};

TEST_F(CodeGenTest, AOneShotTaskShowsItsTemplateWithItsName) {
    writeTask(tasks_ / "Level.tsk", 0x10002, 1, "0", "x", "property 102 1000\n");
    writeTemplate(program_, "AISingleShot.cpp",
                  "/* one shot */\n#define TASK_NAME \"DaqTask\"\nint main(void);\n");
    start();
    openCodeWindow("Level");

    EXPECT_EQ(caption_, "Code Generater: Level");
    EXPECT_EQ(memo_, "/* one shot */\n#define TASK_NAME \"Level\"\nint main(void);\n");
    EXPECT_EQ(base_, QColor(255, 255, 224));
    EXPECT_TRUE(readOnly_);
}

TEST_F(CodeGenTest, OnlyTheFirstOfTwoTaskNameLinesIsReplaced) {
    writeTask(tasks_ / "Level.tsk", 0x10000, 1, "0");
    writeTemplate(
        program_, "AIPolling.cpp",
        "#define TASK_NAME \"DaqTask\"\n  #define TASK_NAME \"DaqTask\"\n#define TASK_NAME \"DaqTask\"\n");
    start();
    openCodeWindow("Level");
    EXPECT_EQ(
        memo_,
        "#define TASK_NAME \"Level\"\n  #define TASK_NAME \"DaqTask\"\n#define TASK_NAME \"DaqTask\"\n");
}

TEST_F(CodeGenTest, ATemplateWithCrLfLineEndsStillGetsTheName) {
    writeTask(tasks_ / "Pulse.tsk", 0x100003, 320, "0");
    writeTemplate(program_, "TCInterrupt.cpp",
                  "// interrupts\r\n#define TASK_NAME \"DaqTask\"\r\nint x;\r\n");
    start();
    openCodeWindow("Pulse");
    EXPECT_EQ(memo_, "// interrupts\n#define TASK_NAME \"Pulse\"\nint x;\n");
}

TEST_F(CodeGenTest, TheTaskNameBecomesAProperCStringLiteral) {
    writeTask(tasks_ / "Say \"hi\" \\ now??.tsk", 0x40001, 120, "0");
    writeTemplate(program_, "DIPortInput.cpp", "#define TASK_NAME \"DaqTask\"\n");
    start();
    openCodeWindow("Say \"hi\" \\ now??");
    EXPECT_EQ(memo_, "#define TASK_NAME \"Say \\\"hi\\\" \\\\ now?\\?\"\n");
}

TEST_F(CodeGenTest, TemplatesInTheCurrentDirectoryComeFirst) {
    writeTask(tasks_ / "Level.tsk", 0x10000, 1, "0");
    writeTemplate(program_, "AIPolling.cpp", "beside the program\n");
    writeTemplate(dir_ / "work", "AIPolling.cpp", "in the current directory\n");
    enterDirectory(dir_ / "work");
    start();
    openCodeWindow("Level");
    EXPECT_EQ(memo_, "in the current directory\n");
}

TEST_F(CodeGenTest, ATaskWhoseCardIsNotInstalledStillGetsItsCode) {
    writeTask(tasks_ / "Elsewhere.tsk", 0x10003, 330, "0", "x", "property 102 1000\n");
    writeTemplate(program_, "AIContinuous.cpp", "#define TASK_NAME \"DaqTask\"\n");
    start();
    openCodeWindow("Elsewhere");
    EXPECT_EQ(memo_, "#define TASK_NAME \"Elsewhere\"\n");
}

TEST_F(CodeGenTest, AMalformedTaskKeepsTheInitialText) {
    writeText(tasks_ / "Broken.tsk", "radezuvi-task 1\noperation 0x10000\n");
    start();
    // The broken task's functions are off, but a dropped node still reaches the code window.
    openCodeWindow("Broken");
    EXPECT_EQ(memo_, "Memo1");
    EXPECT_EQ(caption_, "Code Generater: Broken");
}

TEST_F(CodeGenTest, AMissingTemplateIsReportedAndNoCodeIsShown) {
    writeTask(tasks_ / "Level.tsk", 0x10000, 1, "0");
    start();
    openCodeWindow("Level");
    EXPECT_EQ(memo_, "Memo1");
    const auto errors = dialogs_.callsOf(DialogCall::Kind::ShowException);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_TRUE(errors[0].text.contains("codegen/AIPolling.cpp")) << errors[0].text.toStdString();
}

TEST_F(CodeGenTest, CopyTakesTheSelectionOrEverything) {
    writeTask(tasks_ / "Level.tsk", 0x10000, 1, "0");
    writeTemplate(program_, "AIPolling.cpp", "first line\n#define TASK_NAME \"DaqTask\"\n");
    start();
    QString partial, whole;
    openCodeWindow("Level", [&](TForm_CodeGen& form) {
        QTextCursor cursor(form.Memo1->document());
        cursor.setPosition(0);
        cursor.setPosition(5, QTextCursor::KeepAnchor);
        form.Memo1->setTextCursor(cursor);
        form.Button_Copy->click();
        partial = QApplication::clipboard()->text();
        form.Memo1->setTextCursor(QTextCursor(form.Memo1->document()));
        form.Button_Copy->click();
        whole = QApplication::clipboard()->text();
    });
    EXPECT_EQ(partial, "first");
    EXPECT_EQ(whole, "first line\n#define TASK_NAME \"Level\"\n");
}

TEST_F(CodeGenTest, SaveWritesTheCodeAndReportsAFailedSave) {
    writeTask(tasks_ / "Level.tsk", 0x10000, 1, "0");
    writeTemplate(program_, "AIPolling.cpp", "int a;\n#define TASK_NAME \"DaqTask\"");
    start();
    const fs::path saved = dir_ / "level-code";
    const fs::path impossible = dir_ / "missing-folder" / "code.txt";
    dialogs_.saveFileAnswers = {QString::fromStdString(saved.string()),
                                QString::fromStdString(impossible.string())};
    openCodeWindow("Level", [](TForm_CodeGen& form) {
        form.Button_Save->click();
        form.Button_Save->click();
    });

    EXPECT_EQ(doz::test::ReadFile(saved), "int a;\n#define TASK_NAME \"Level\"\n")
        << "saved as chosen, without an added extension";
    const auto asked = dialogs_.callsOf(DialogCall::Kind::SaveFile);
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0].filter, "Text Files(*.txt)");
    EXPECT_FALSE(fs::exists(impossible));
    ASSERT_EQ(dialogs_.informationTexts().size(), 1);
    EXPECT_TRUE(dialogs_.informationTexts()[0].contains("could not be saved"));
}

} // namespace
} // namespace doz::tasks::testing
