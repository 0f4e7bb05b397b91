#include "viruveza/frame/recent_files.h"

#include "common/platform/registry.h"
#include "viruveza/frame/app_settings.h"

#include <algorithm>
#include <filesystem>

namespace doz::frame {

namespace {

std::string entryName(std::size_t index) {
    return "File" + std::to_string(index + 1);
}

} // namespace

void RecentFileList::add(const std::string& path) {
    remove(path);
    entries_.insert(entries_.begin(), path);
    if (entries_.size() > kRecentFileCount)
        entries_.resize(kRecentFileCount);
}

void RecentFileList::remove(const std::string& path) {
    entries_.erase(std::remove(entries_.begin(), entries_.end(), path), entries_.end());
}

void RecentFileList::load() {
    entries_.clear();
    const auto key = platform::openKey(platform::RootKey::CurrentUser, sectionPath(kRecentSection));
    if (!key)
        return;
    for (std::size_t i = 0; i < kRecentFileCount; ++i)
        if (const auto path = key->readString(entryName(i)); path && !path->empty())
            entries_.push_back(*path);
}

bool RecentFileList::save() const {
    auto key = platform::createKey(platform::RootKey::CurrentUser, sectionPath(kRecentSection));
    if (!key)
        return false;
    bool written = true;
    for (std::size_t i = 0; i < kRecentFileCount; ++i) {
        if (i < entries_.size())
            written = key->writeString(entryName(i), entries_[i]) && written;
        else
            key->deleteValue(entryName(i));
    }
    return written;
}

std::string shortenedPath(std::string_view path, std::size_t limit) {
    if (path.size() <= limit)
        return std::string(path);
    const std::filesystem::path full(path);
    const std::string name = full.filename().string();
    std::vector<std::string> folders;
    for (const auto& part : full.parent_path().relative_path())
        folders.push_back(part.string());
    const std::string root = full.root_path().string();
    const std::string head = folders.empty() ? root : root + folders.front() + "/";
    // Drop folders after the first one, from the front, until the path fits.
    for (std::size_t kept = folders.size() > 1 ? folders.size() - 1 : 0; kept-- > 0;) {
        std::string candidate = head + ".../";
        for (std::size_t i = folders.size() - kept; i < folders.size(); ++i)
            candidate += folders[i] + "/";
        candidate += name;
        if (candidate.size() <= limit)
            return candidate;
    }
    if (const std::string shortest = head + ".../" + name; shortest.size() <= limit)
        return shortest;
    return name;
}

} // namespace doz::frame
