#pragma once
// Texts of the task manager (paths, names, engine texts) are UTF-8; this is how they reach Qt.

#include <QString>

#include <string>

namespace doz::tasks {

inline QString fromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace doz::tasks
