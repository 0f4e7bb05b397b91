#pragma once
// CViruvezaDoc: one code source, a plain-text C file with the card line and the generation
// record it was made from. The text lives in the document; its CTestView shows and edits it.

#include "viruveza/generators/code_generator.h"
#include "viruveza/generators/device_setup.h"

#include <QObject>
#include <QString>

#include <memory>
#include <optional>
#include <string>

class QTextDocument;

namespace doz::frame {

class CTestView;

class CViruvezaDoc : public QObject {
    Q_OBJECT
public:
    explicit CViruvezaDoc(QObject* parent = nullptr);
    ~CViruvezaDoc() override;

    const QString& pathName() const { return pathName_; }
    void setPathName(const QString& path);
    // The file name of the path.
    QString title() const;
    // The name used in messages: the title without its first ".txt".
    QString codeSourceName() const;

    QTextDocument* textDocument() const { return text_; }
    QString text() const;
    bool isModified() const;
    void setModified(bool modified);

    int cardLine = 0;
    bool generated = false;
    generators::DeviceSetup record;
    CTestView* view = nullptr;

    // Reads the file into the document (path set, unmodified); the reason on failure, when the
    // document is left as it was.
    std::optional<std::string> open(const QString& path);
    // Writes the text as shown to `path`; on success the path is the document's and it is
    // unmodified. The reason on failure, when nothing changed.
    std::optional<std::string> saveTo(const QString& path);

    // Takes `setup` as the document's record and, unless no card is chosen, writes the file of
    // its line to the document's path; the record as the writer left it goes back to `setup`.
    generators::GenerateResult generate(generators::DeviceSetup& setup);

signals:
    void pathChanged();

private:
    QString pathName_;
    QTextDocument* text_;
    std::unique_ptr<generators::CodeGenerator> generator_;
};

} // namespace doz::frame
