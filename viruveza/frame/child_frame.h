#pragma once
// CChildFrame: the child window of a code source inside the main window, holding its view.
// Closing it by its own button goes through the same close as File Close.

#include <QMdiSubWindow>

#include <functional>

namespace doz::frame {

class CTestView;
class CViruvezaDoc;

class CChildFrame : public QMdiSubWindow {
    Q_OBJECT
public:
    CChildFrame(CViruvezaDoc& document, QWidget* parent = nullptr);

    CViruvezaDoc& document() const { return document_; }
    CTestView* view() const { return view_; }

    // Asked when the window's own close button is used: true when the window may close.
    std::function<bool(CViruvezaDoc&)> canClose;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void showTitle();

    CViruvezaDoc& document_;
    CTestView* view_;
};

} // namespace doz::frame
