#pragma once
// A page of a test panel's page control. The panel tells the page when it is shown and hidden
// (the page control's current page changed) and when the panel closes, which fires no page
// change: closing ends every task the page owns.

#include <QWidget>

namespace doz::testpanels {

class TestPanelPage : public QWidget {
public:
    using QWidget::QWidget;

    // The page became the current page, also when the panel opens on it.
    virtual void pageShown() {}
    // Another page became the current one.
    virtual void pageHidden() {}
    // The panel closes: end every task and timer of the page, and return it to idle.
    virtual void endTasks() = 0;
};

} // namespace doz::testpanels
