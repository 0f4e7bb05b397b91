#pragma once
// The recent-file list of File menu: the four most recently opened code files, newest first,
// kept in the per-user section "Recent Project List" as "File1" to "File4".

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace doz::frame {

inline constexpr std::size_t kRecentFileCount = 4;
inline constexpr std::size_t kRecentDisplayLength = 30;

class RecentFileList {
public:
    // Puts `path` first; an entry of the same path moves up instead of appearing twice.
    void add(const std::string& path);
    void remove(const std::string& path);
    const std::vector<std::string>& entries() const { return entries_; }

    void load();
    // False when the registry could not be written.
    bool save() const;

private:
    std::vector<std::string> entries_;
};

// A path shortened for the menu to at most `limit` characters: folders after the first are
// replaced by "..." from the front until it fits; the file name alone when even that is long.
std::string shortenedPath(std::string_view path, std::size_t limit = kRecentDisplayLength);

} // namespace doz::frame
