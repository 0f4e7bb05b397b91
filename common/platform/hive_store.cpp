#include "common/platform/hive_store.h"

#include "common/platform/file_io.h"
#include "common/platform/file_lock.h"

#include <mutex>
#include <sys/stat.h>
#include <tuple>

namespace doz::platform {
namespace {

// What tells one version of the file from another. Writers replace the file by renaming a
// new one over it, which changes the inode; editors that write in place change the times.
struct FileVersion {
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};
    timespec changed{};

    bool operator==(const FileVersion& other) const {
        const auto fields = [](const FileVersion& v) {
            return std::tie(v.exists, v.device, v.inode, v.size, v.modified.tv_sec, v.modified.tv_nsec,
                            v.changed.tv_sec, v.changed.tv_nsec);
        };
        return fields(*this) == fields(other);
    }
};

FileVersion versionOf(const std::filesystem::path& file) {
    struct stat status {};
    if (::stat(file.c_str(), &status) != 0)
        return {};
    return {true, status.st_dev, status.st_ino, status.st_size, status.st_mtim, status.st_ctim};
}

// The last hive read or written by this process.
struct Cache {
    std::mutex mutex;
    std::filesystem::path file;
    FileVersion version;
    std::shared_ptr<const Hive> hive;
};

Cache& cache() {
    static Cache instance;
    return instance;
}

std::shared_ptr<const Hive> remember(const std::filesystem::path& file, const FileVersion& version,
                                     Hive hive) {
    auto shared = std::make_shared<const Hive>(std::move(hive));
    Cache& c = cache();
    const std::lock_guard guard(c.mutex);
    c.file = file;
    c.version = version;
    c.hive = shared;
    return shared;
}

std::filesystem::path besideFile(const std::filesystem::path& file, std::string_view suffix) {
    std::filesystem::path sibling = file;
    sibling += suffix;
    return sibling;
}

} // namespace

std::shared_ptr<const Hive> loadHive(const std::filesystem::path& file) {
    // Read the version before the content: a change in between only causes one more read later.
    const FileVersion version = versionOf(file);
    {
        Cache& c = cache();
        const std::lock_guard guard(c.mutex);
        if (c.hive && c.file == file && c.version == version)
            return c.hive;
    }
    const std::optional<std::string> text = version.exists ? readWholeFile(file) : std::nullopt;
    return remember(file, version, Hive::parse(text.value_or(std::string())));
}

bool modifyHive(const std::filesystem::path& file, const std::function<bool(Hive&)>& change) {
    std::error_code error;
    if (file.has_parent_path())
        std::filesystem::create_directories(file.parent_path(), error);
    FileLock lock;
    if (lock.lock(besideFile(file, ".lock"), FileLock::Mode::Wait) != FileLock::Result::Locked)
        return false;

    // Never replace a file that exists but cannot be read: its content would be lost.
    const std::optional<std::string> text = readWholeFile(file);
    if (!text && versionOf(file).exists)
        return false;
    Hive hive = Hive::parse(text.value_or(std::string()));
    const bool damaged = hive.hasUnparsedContent();
    const std::string before = hive.serialize();
    if (!change(hive))
        return false;
    const std::string after = hive.serialize();
    if (text && after == *text)
        return true;

    // Rewriting re-lays out what could not be understood; keep the original once. After that
    // the file is in our own layout (it writes back unchanged), so later rewrites need no copy.
    if (text && damaged && before != *text && !writeFileAtomically(besideFile(file, ".bak"), *text))
        return false;
    if (!writeFileAtomically(file, after))
        return false;
    remember(file, versionOf(file), std::move(hive));
    return true;
}

} // namespace doz::platform
