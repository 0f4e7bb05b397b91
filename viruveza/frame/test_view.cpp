#include "viruveza/frame/test_view.h"

#include "viruveza/frame/viruveza_doc.h"

#include <QFontDatabase>

namespace doz::frame {

CTestView::CTestView(CViruvezaDoc& document, QWidget* parent) : QPlainTextEdit(parent), document_(document) {
    setObjectName("CTestView");
    setDocument(document.textDocument());
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::Monospace);
    setFont(font);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setTabStopDistance(fontMetrics().horizontalAdvance(' ') * 8);
    setAccessibleName(document.title());
    document.view = this;
}

} // namespace doz::frame
