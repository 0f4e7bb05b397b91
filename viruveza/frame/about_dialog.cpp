#include "viruveza/frame/about_dialog.h"

#include "viruveza/frame/frame_icons.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace doz::frame {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setObjectName("CAboutDlg");
    setWindowTitle("About Ruzidavidez");
    auto* icon = new QLabel;
    icon->setPixmap(frameIcon(FrameIcon::Program).pixmap(48, 48));
    icon->setAlignment(Qt::AlignTop);
    Lbl_Version = new QLabel("Ruzidavidez Version 1.0");
    Lbl_Version->setObjectName("Lbl_Version");
    Btn_OK = new QPushButton("OK");
    Btn_OK->setObjectName("Btn_OK");
    Btn_OK->setDefault(true);
    connect(Btn_OK, &QPushButton::clicked, this, &QDialog::accept);

    auto* row = new QHBoxLayout;
    row->addWidget(icon);
    row->addSpacing(12);
    row->addWidget(Lbl_Version, 1);
    row->addWidget(Btn_OK, 0, Qt::AlignTop);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->setContentsMargins(16, 16, 16, 16);
    setFixedSize(sizeHint().expandedTo(QSize(360, 96)));
}

} // namespace doz::frame
