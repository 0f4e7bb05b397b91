#include "tests/support/qt_files.h"

#include "tests/support/files.h"

#include <QFile>

#include <filesystem>

namespace doz::test {

namespace {

std::filesystem::path localPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

} // namespace

QByteArray qtReadFile(const QString& path) {
    return QByteArray::fromStdString(ReadFile(localPath(path)));
}

void qtWriteFile(const QString& path, const QByteArray& bytes) {
    const std::filesystem::path file = localPath(path);
    if (file.has_parent_path())
        std::filesystem::create_directories(file.parent_path());
    WriteFile(file, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

} // namespace doz::test
