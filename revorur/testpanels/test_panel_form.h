#pragma once
// The frame every test panel shares: a page control over the panel's pages and a Close button.
// It tells a page when it is shown and hidden, opens on the first visible page, and ends every
// task of every page when the panel closes (closing a dialog changes no page).

#include "revorur/testpanels/test_panel_page.h"

#include <QDialog>

#include <vector>

class QPushButton;
class QTabWidget;

namespace doz::testpanels {

class TestPanelForm : public QDialog {
public:
    // A fixed-size panel whose client area is `size`.
    TestPanelForm(QWidget* parent, QSize size);
    ~TestPanelForm() override;

    void done(int result) override;

    void Btn_CloseClick();
    void PageControl1Change(int index);

    QTabWidget* PageControl1;
    QPushButton* Btn_Close;

protected:
    void addPage(TestPanelPage* page, const QString& caption);
    void setPageVisible(TestPanelPage* page, bool visible);
    // Runs when the panel is first shown, before its current page is told it shows.
    virtual void opening() {}
    void showEvent(QShowEvent* event) override;

private:
    void endEveryTask();

    std::vector<TestPanelPage*> pages_;
    TestPanelPage* current_ = nullptr;
    bool open_ = false;
};

} // namespace doz::testpanels
