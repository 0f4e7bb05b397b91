#include "viruveza/frame/file_types.h"

#include "common/platform/registry.h"

#include <array>

namespace doz::frame {

namespace {

constexpr const char* kDocumentType = "Viruveza.Document";

struct Row {
    const char* key; // "" for the document type itself, else a subkey of it; or an extension
    bool extension;
    bool withProgram; // the value is the program path followed by `text`
    const char* text;
};

constexpr std::array<Row, 9> kRows = {{
    {".cwk", true, false, kDocumentType},
    {".daq", true, false, kDocumentType},
    {"\\DefaultIcon", false, true, ",2"},
    {"\\shell\\open\\command", false, true, " %1"},
    {"\\shell\\open\\ddeexec", false, false, ""},
    {"\\shell\\print\\command", false, true, " /dde"},
    {"\\shell\\print\\ddeexec", false, false, "[print(\"%1\")]"},
    {"\\shell\\printto\\command", false, true, " /dde"},
    {"\\shell\\printto\\ddeexec", false, false, "[printto(\"%1\",\"%2\",\"%3\",\"%4\")]"},
}};

} // namespace

std::vector<FileTypeValue> fileTypeValues(const std::string& programPath) {
    std::vector<FileTypeValue> values;
    for (const Row& row : kRows)
        values.push_back({row.extension ? std::string(row.key) : kDocumentType + std::string(row.key),
                          row.withProgram ? programPath + row.text : std::string(row.text)});
    return values;
}

bool registerFileTypes(const std::string& programPath) {
    bool written = true;
    for (const FileTypeValue& entry : fileTypeValues(programPath)) {
        auto key = platform::createKey(platform::RootKey::ClassesRoot, entry.key);
        written = key && key->writeString("", entry.value) && written;
    }
    return written;
}

} // namespace doz::frame
