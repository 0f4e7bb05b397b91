#include "viruveza/frame/child_frame.h"

#include "viruveza/frame/test_view.h"
#include "viruveza/frame/viruveza_doc.h"

#include <QCloseEvent>
#include <QTextDocument>

namespace doz::frame {

CChildFrame::CChildFrame(CViruvezaDoc& document, QWidget* parent)
    : QMdiSubWindow(parent), document_(document), view_(new CTestView(document)) {
    setObjectName("CChildFrame");
    setWidget(view_);
    setAttribute(Qt::WA_DeleteOnClose, false);
    showTitle();
    connect(&document, &CViruvezaDoc::pathChanged, this, [this] { showTitle(); });
    connect(document.textDocument(), &QTextDocument::modificationChanged, this, [this] { showTitle(); });
}

void CChildFrame::showTitle() {
    setWindowTitle(document_.title() + "[*]");
    setWindowModified(document_.isModified());
    view_->setAccessibleName(document_.title());
}

void CChildFrame::closeEvent(QCloseEvent* event) {
    if (canClose && !canClose(document_)) {
        event->ignore();
        return;
    }
    event->accept();
}

} // namespace doz::frame
