#include "viruveza/frame/viruveza_doc.h"

#include "viruveza/frame/code_file_io.h"
#include "viruveza/frame/frame_messages.h"

#include <QFileInfo>
#include <QPlainTextDocumentLayout>
#include <QTextDocument>

namespace doz::frame {

CViruvezaDoc::CViruvezaDoc(QObject* parent)
    : QObject(parent), record(generators::InitialDeviceSetup()), text_(new QTextDocument(this)) {
    text_->setDocumentLayout(new QPlainTextDocumentLayout(text_));
}

CViruvezaDoc::~CViruvezaDoc() = default;

void CViruvezaDoc::setPathName(const QString& path) {
    pathName_ = path;
    emit pathChanged();
}

QString CViruvezaDoc::title() const {
    return QFileInfo(pathName_).fileName();
}

QString CViruvezaDoc::codeSourceName() const {
    return QString::fromStdString(frame::codeSourceName(title().toStdString()));
}

QString CViruvezaDoc::text() const {
    return text_->toPlainText();
}

bool CViruvezaDoc::isModified() const {
    return text_->isModified();
}

void CViruvezaDoc::setModified(bool modified) {
    text_->setModified(modified);
}

std::optional<std::string> CViruvezaDoc::open(const QString& path) {
    ReadResult read = readCodeFile(path.toStdString());
    if (!read.text)
        return read.failure;
    text_->setPlainText(QString::fromUtf8(read.text->data(), static_cast<qsizetype>(read.text->size())));
    text_->setModified(false);
    setPathName(path);
    return std::nullopt;
}

std::optional<std::string> CViruvezaDoc::saveTo(const QString& path) {
    if (auto failure = writeCodeFile(path.toStdString(), text().toStdString()))
        return failure;
    text_->setModified(false);
    if (path != pathName_)
        setPathName(path);
    return std::nullopt;
}

generators::GenerateResult CViruvezaDoc::generate(generators::DeviceSetup& setup) {
    record = setup;
    if (record.cardType == generators::NoCardChosen)
        return {generators::GenerateStatus::NothingGenerated, "no card is chosen"};
    if (cardLine != 0 && cardLine != 1)
        return {generators::GenerateStatus::NothingGenerated, "the card line is unknown"};
    if (!generator_)
        generator_ = std::make_unique<generators::CodeGenerator>(record);
    generators::GenerateResult result =
        generator_->generate(static_cast<generators::CardLine>(cardLine), pathName_.toStdString());
    setup = record;
    if (result.ok())
        generated = true;
    return result;
}

} // namespace doz::frame
