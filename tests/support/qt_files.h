// Whole-file reads and writes for tests that hold their paths and bytes in Qt's types.
#pragma once

#include <QByteArray>
#include <QString>

namespace doz::test {

// The file's bytes; empty when it cannot be read.
QByteArray qtReadFile(const QString& path);

// Writes the bytes, creating the file's folders; throws when the file cannot be written.
void qtWriteFile(const QString& path, const QByteArray& bytes);

} // namespace doz::test
