// Paths of the temporary folder as the Qt strings widget tests compare and pass on.
#pragma once

#include "tests/support/temp_folder.h"

#include <QString>

#include <filesystem>

namespace doz::test {

QString qtPath(const std::filesystem::path& path);

// The path of an entry of the folder, as file(), in Qt's form.
QString qtFilePath(const TempFolder& folder, const QString& relative);

} // namespace doz::test
