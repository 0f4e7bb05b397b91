#include "revorur/testpanels/test_panel_form.h"

#include "revorur/testpanels/panel_look.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace doz::testpanels {

TestPanelForm::TestPanelForm(QWidget* parent, QSize size)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setFixedSize(size);
    ApplyPanelLook(this);
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName("PageControl1");
    PageControl1->setDocumentMode(false);
    Btn_Close = NewKey(this, "Btn_Close", tr("Close"), KeyRole::Plain);
    auto* closeRow = new QHBoxLayout;
    closeRow->addStretch();
    closeRow->addWidget(Btn_Close);
    auto* frame = new QVBoxLayout(this);
    frame->setContentsMargins(8, 8, 8, 8);
    frame->addWidget(PageControl1, 1);
    frame->addLayout(closeRow);
    connect(PageControl1, &QTabWidget::currentChanged, this,
            [this](int index) { PageControl1Change(index); });
    connect(Btn_Close, &QPushButton::clicked, this, [this] { Btn_CloseClick(); });
}

TestPanelForm::~TestPanelForm() {
    endEveryTask();
}

void TestPanelForm::addPage(TestPanelPage* page, const QString& caption) {
    pages_.push_back(page);
    PageControl1->addTab(page, caption);
}

void TestPanelForm::setPageVisible(TestPanelPage* page, bool visible) {
    PageControl1->setTabVisible(PageControl1->indexOf(page), visible);
}

void TestPanelForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (open_)
        return;
    opening();
    open_ = true;
    current_ = nullptr;
    PageControl1Change(PageControl1->currentIndex());
}

void TestPanelForm::PageControl1Change(int index) {
    if (!open_)
        return;
    auto* page = static_cast<TestPanelPage*>(PageControl1->widget(index));
    if (page == current_)
        return;
    if (current_)
        current_->pageHidden();
    current_ = page;
    if (current_)
        current_->pageShown();
}

void TestPanelForm::Btn_CloseClick() {
    close();
}

void TestPanelForm::done(int result) {
    endEveryTask();
    QDialog::done(result);
}

void TestPanelForm::endEveryTask() {
    open_ = false;
    current_ = nullptr;
    for (TestPanelPage* page : pages_)
        page->endTasks();
}

} // namespace doz::testpanels
