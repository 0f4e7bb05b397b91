#include "maker/taskwizard/src/task_file_name.h"

namespace doz::taskwizard {

namespace {

const QString kExtension = QStringLiteral(".tsk");
const QString kForbidden = QStringLiteral("\\/:*?\"<>|");

bool holdsForbidden(const QString& name) {
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f || kForbidden.contains(c)) {
            return true;
        }
    }
    return false;
}

} // namespace

std::optional<QString> taskFileName(const QString& name) {
    QString base = name.trimmed();
    if (base.endsWith(kExtension, Qt::CaseInsensitive)) {
        base.chop(kExtension.size());
    }
    if (base.isEmpty() || base == QStringLiteral(".") || base == QStringLiteral("..") ||
        holdsForbidden(base) || base.endsWith(QLatin1Char('.'))) {
        return std::nullopt;
    }
    return base + kExtension;
}

QString taskNameOfFile(const QString& fileName) {
    return fileName.endsWith(kExtension, Qt::CaseInsensitive) ? fileName.chopped(kExtension.size())
                                                              : fileName;
}

} // namespace doz::taskwizard
