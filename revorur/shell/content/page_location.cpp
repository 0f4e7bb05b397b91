#include "revorur/shell/content/page_location.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

namespace doz::revorur {
namespace {

QString findWithoutCase(const QString& path) {
    const QFileInfo info(path);
    if (info.exists()) {
        return path;
    }
    const QString name = info.fileName();
    const QString parent = info.path();
    if (name.isEmpty() || parent == path) {
        return {};
    }
    const QString realParent = findWithoutCase(parent);
    if (realParent.isEmpty()) {
        return {};
    }
    const QDir dir(realParent);
    const QStringList entries =
        dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0) {
            return dir.filePath(entry);
        }
    }
    return {};
}

} // namespace

PageTarget parsePageTarget(const QString& target) {
    QString text = target.trimmed();
    text.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (text.startsWith(QLatin1String("file:"), Qt::CaseInsensitive)) {
        const QUrl url(text);
        return {url.toLocalFile(), url.fragment()};
    }
    const qsizetype hash = text.lastIndexOf(QLatin1Char('#'));
    if (hash < 0 || text.indexOf(QLatin1Char('/'), hash) >= 0 || QFileInfo(text).isFile()) {
        return {text, {}};
    }
    return {text.left(hash), text.mid(hash + 1)};
}

QString findPageFile(const QString& path) {
    if (path.isEmpty()) {
        return {};
    }
    const QString found = findWithoutCase(QDir::cleanPath(path));
    return !found.isEmpty() && QFileInfo(found).isFile() ? found : QString();
}

QByteArray readPageBytes(const QString& file) {
    QFile page(file);
    if (!page.open(QIODevice::ReadOnly)) {
        return {};
    }
    return page.read(kMaxPageBytes);
}

} // namespace doz::revorur
