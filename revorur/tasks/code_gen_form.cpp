#include "revorur/tasks/code_gen_form.h"

#include "common/platform/file_io.h"
#include "common/ui/dialogs.h"
#include "revorur/tasks/code_templates.h"
#include "revorur/tasks/loaded_task.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace doz::tasks {
namespace {

// The memo's light yellow (colour value 14745599).
const QColor memoColor(255, 255, 224);

QPushButton* button(QWidget* parent, const char* name, const QString& text) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

} // namespace

TForm_CodeGen::TForm_CodeGen(QWidget* parent) : QDialog(parent, Qt::Tool) {
    setObjectName("Form_CodeGen");

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName("Memo1");
    Memo1->setAccessibleName("C reference code");
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont fixed("Monospace");
    fixed.setStyleHint(QFont::TypeWriter);
    Memo1->setFont(fixed);
    QPalette palette = Memo1->palette();
    palette.setColor(QPalette::Base, memoColor);
    palette.setColor(QPalette::Text, Qt::black);
    Memo1->setPalette(palette);
    Memo1->setPlainText("Memo1");

    Button_Copy = button(this, "Button_Copy", "Copy to cipboard");
    Button_Save = button(this, "Button_Save", "Save To...");
    Button_Close = button(this, "Button_Close", "Close");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Button_Copy);
    buttons->addWidget(Button_Save);
    buttons->addStretch(1);
    buttons->addWidget(Button_Close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Memo1, 1);
    layout->addLayout(buttons);
    resize(632, 446);

    connect(Button_Copy, &QPushButton::clicked, this, [this] { Button_CopyClick(); });
    connect(Button_Save, &QPushButton::clicked, this, [this] { Button_SaveClick(); });
    connect(Button_Close, &QPushButton::clicked, this, [this] { done(QDialog::Accepted); });
}

void TForm_CodeGen::FormShow() {
    const int operation = TaskOperationForCode(TaskFilePath);
    const std::string_view templatePath = TemplateOfOperation(operation);
    if (templatePath.empty())
        return;
    const auto file = FindTemplate(templatePath, ProgramFolder);
    const auto text = file ? platform::readWholeFile(*file) : std::nullopt;
    if (!text) {
        ui::dialogs().showException(
            this,
            QString("Cannot open file \"%1\". No such file or directory")
                .arg(QString::fromUtf8(templatePath.data(), static_cast<qsizetype>(templatePath.size()))));
        return;
    }
    Memo1->setPlainText(QString::fromStdString(WithTaskName(*text, TaskName)));
}

void TForm_CodeGen::Button_CopyClick() {
    if (!Memo1->textCursor().hasSelection())
        Memo1->selectAll();
    Memo1->copy();
}

void TForm_CodeGen::Button_SaveClick() {
    const QString chosen = ui::dialogs().saveFile(this, "Save To...", QString(), "Text Files(*.txt)");
    if (chosen.isEmpty())
        return;
    std::string content = Memo1->toPlainText().toStdString();
    if (!content.empty() && content.back() != '\n')
        content += '\n';
    if (const auto failure = platform::replaceFileAtomically(chosen.toStdString(), content))
        ui::dialogs().information(
            this, windowTitle(),
            QString("The code could not be saved: %1.").arg(QString::fromStdString(*failure)));
}

} // namespace doz::tasks
