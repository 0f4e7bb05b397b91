#pragma once
// The printing seam of Ruzidavidez: print setup, printing and print preview of a text view.
// The real one runs Qt's print dialogs; tests install a fake so no dialog ever opens.

class QPlainTextEdit;
class QWidget;

namespace doz::frame {

class PrintService {
public:
    virtual ~PrintService();
    // The print setup dialog; the page orientation chosen there is kept for printing.
    virtual void printSetup(QWidget* parent) = 0;
    // The print dialog, then the text of `view` on the chosen printer.
    virtual void print(QPlainTextEdit* view) = 0;
    // The preview window of the text of `view`, `pages` pages side by side (0 or 1: one page).
    virtual void preview(QPlainTextEdit* view, int pages) = 0;
};

// The process-wide service: the real one unless a fake is installed.
PrintService& printService();
// Installs a fake (not owned); nullptr restores the real service.
void setPrintService(PrintService* fake);

} // namespace doz::frame
