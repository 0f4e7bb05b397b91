#pragma once
// The generator of a code-source document: picks the writer for the card line and the record's
// operation, builds the file's text in memory and writes it in one go.

#include "viruveza/generators/device_setup.h"
#include "viruveza/generators/writer_table.h"

#include <filesystem>
#include <span>
#include <string>

namespace doz::generators {

enum class GenerateStatus {
    Generated,        // the text is complete (and written, for `generate`)
    NothingGenerated, // no card chosen, no writer for the operation, or the writer declined
    WriteFailed,      // the text was built but the file could not be written
};

struct GenerateResult {
    GenerateStatus status;
    std::string message; // why nothing was generated or written; empty when generated

    bool ok() const { return status == GenerateStatus::Generated; }
};

class CodeGenerator {
public:
    // Keeps a reference to the document's record: a writer may normalise it, and the document
    // copies it back after each generation.
    explicit CodeGenerator(DeviceSetup& record, std::span<const WriterEntry> writers = BuiltInWriters());

    // Builds the text of the file for `line`; `text` is left empty when nothing is generated.
    GenerateResult build(CardLine line, std::string& text);

    // Builds the text and writes it to `path` (used as given): either the whole file is
    // written, or the path is left as it was and the result says why.
    GenerateResult generate(CardLine line, const std::filesystem::path& path);

private:
    DeviceSetup& record_;
    std::span<const WriterEntry> writers_;
};

} // namespace doz::generators
