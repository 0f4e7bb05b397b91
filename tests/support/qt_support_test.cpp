// The Qt part of the shared test helpers: paths and files with names outside ASCII.
#include "tests/support/files.h"
#include "tests/support/qt_files.h"
#include "tests/support/qt_paths.h"

#include <QFileInfo>

#include <gtest/gtest.h>

namespace doz::test {
namespace {

TEST(QtFiles, WriteCreatesFoldersAndReadGivesTheBytesBack) {
    const TempFolder folder;
    const QString file = qtFilePath(folder, QStringLiteral("Größe/ä b.tsk"));
    EXPECT_EQ(file, qtPath(folder.path()) + QStringLiteral("/Größe/ä b.tsk"));
    EXPECT_TRUE(std::filesystem::is_directory(folder.path()));

    const QByteArray bytes("x\0y\n", 4);
    qtWriteFile(file, bytes);
    EXPECT_TRUE(QFileInfo(file).isFile());
    EXPECT_EQ(qtReadFile(file), bytes);
    EXPECT_EQ(ReadFile(folder.file("Größe/ä b.tsk")), std::string("x\0y\n", 4));

    EXPECT_TRUE(qtReadFile(qtFilePath(folder, QStringLiteral("missing"))).isEmpty());
    EXPECT_THROW(qtWriteFile(qtFilePath(folder, QStringLiteral("Größe/ä b.tsk/inside")), "x"),
                 std::exception);
}

} // namespace
} // namespace doz::test
