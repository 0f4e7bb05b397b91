#include "tests/support/qt_paths.h"

#include <QFile>

namespace doz::test {

QString qtPath(const std::filesystem::path& path) {
    return QFile::decodeName(path.c_str());
}

QString qtFilePath(const TempFolder& folder, const QString& relative) {
    return qtPath(folder.file(QFile::encodeName(relative).toStdString()));
}

} // namespace doz::test
