#pragma once

#include <QByteArray>
#include <QString>

namespace doz::revorur {

// Pages larger than this are shown as far as this much of them goes.
inline constexpr qsizetype kMaxPageBytes = 32 * 1024 * 1024;

// A navigation target split into its file path (with forward slashes) and its anchor.
struct PageTarget {
    QString path;
    QString anchor;
};

// Accepts Windows paths (backslashes), forward-slash paths and "file:" URLs, each optionally
// followed by "#anchor". A "#" belongs to the file name when the whole text names an
// existing file.
PageTarget parsePageTarget(const QString& target);

// The existing file a path names. Content pages are named as on Windows, where case does
// not matter, so a path that does not match exactly is matched without case, component by
// component. Empty when there is no such file.
QString findPageFile(const QString& path);

// At most kMaxPageBytes of the file; empty when it cannot be read.
QByteArray readPageBytes(const QString& file);

} // namespace doz::revorur
