#pragma once
// CTestView: the text view of a code source, the whole code file in a monospaced font.

#include <QPlainTextEdit>

namespace doz::frame {

class CViruvezaDoc;

class CTestView : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit CTestView(CViruvezaDoc& document, QWidget* parent = nullptr);

    CViruvezaDoc& document() const { return document_; }

private:
    CViruvezaDoc& document_;
};

} // namespace doz::frame
