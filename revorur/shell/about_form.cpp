#include "about_form.h"

#include "splash_pictures.h"

#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace doz::shell {
namespace {

template <typename T> T* named(const char* name, QWidget* parent, const QRect& geometry) {
    auto* w = new T(parent);
    w->setObjectName(QString::fromLatin1(name));
    w->setGeometry(geometry);
    return w;
}

} // namespace

TForm_About::TForm_About(QWidget* parent) : QDialog(parent) {
    setObjectName("Form_About");
    setWindowTitle("About Revorur");
    setFixedSize(297, 308);

    Panel1 = named<QFrame>("Panel1", this, {8, 8, 281, 257});
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);

    ProgramIcon = named<QLabel>("ProgramIcon", Panel1, {10, 10, 64, 64});
    ProgramIcon->setPixmap(ProgramIconPixmap(64));
    ProgramIcon->setAccessibleName("Revorur");

    ProductName = named<QLabel>("ProductName", Panel1, {88, 18, 185, 20});
    ProductName->setText("Revorur Version : 1.52");
    QFont bold = ProductName->font();
    bold.setBold(true);
    ProductName->setFont(bold);
    Version = named<QLabel>("Version", Panel1, {88, 44, 185, 20});
    Version->setText("(Oct 7, 2009)");

    Memo1 = named<QPlainTextEdit>("Memo1", Panel1, {10, 86, 261, 161});
    Memo1->setReadOnly(true);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setAccessibleName("About Revorur");

    Button2 = named<QPushButton>("Button2", this, {111, 274, 75, 25});
    Button2->setText("OK");
    Button2->setDefault(true);
    connect(Button2, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace doz::shell
