#include "viruveza/frame/print_service.h"

#include "common/ui/dialogs.h"

#include <QPageLayout>
#include <QPageSetupDialog>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>

#include <atomic>
#include <memory>

namespace doz::frame {

namespace {

class QtPrintService final : public PrintService {
public:
    void printSetup(QWidget* parent) override {
        QPageSetupDialog dialog(&printer(), parent);
        if (ui::dialogs().runModal(&dialog) == QDialog::Accepted)
            orientation_ = printer().pageLayout().orientation();
    }

    void print(QPlainTextEdit* view) override {
        printer().setPageOrientation(orientation_);
        QPrintDialog dialog(&printer(), view);
        dialog.setWindowTitle("Print");
        if (ui::dialogs().runModal(&dialog) == QDialog::Accepted)
            view->print(&printer());
    }

    void preview(QPlainTextEdit* view, int pages) override {
        printer().setPageOrientation(orientation_);
        QPrintPreviewDialog dialog(&printer(), view);
        dialog.setWindowTitle("Print Preview");
        if (auto* widget = dialog.findChild<QPrintPreviewWidget*>()) {
            if (pages >= 2)
                widget->setViewMode(QPrintPreviewWidget::FacingPagesView);
            else
                widget->setViewMode(QPrintPreviewWidget::SinglePageView);
        }
        QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, view,
                         [view](QPrinter* target) { view->print(target); });
        ui::dialogs().runModal(&dialog);
    }

private:
    QPrinter& printer() {
        if (!printer_)
            printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        return *printer_;
    }

    std::unique_ptr<QPrinter> printer_;
    QPageLayout::Orientation orientation_ = QPageLayout::Portrait;
};

std::atomic<PrintService*> installedFake{nullptr};

} // namespace

PrintService::~PrintService() = default;

PrintService& printService() {
    static QtPrintService real;
    PrintService* fake = installedFake.load();
    return fake != nullptr ? *fake : real;
}

void setPrintService(PrintService* fake) {
    installedFake.store(fake);
}

} // namespace doz::frame
