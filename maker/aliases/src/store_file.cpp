#include "store_file.h"

#include "common/platform/file_io.h"
#include "common/platform/file_lock.h"
#include "radezuvivarirare.h"

#include <system_error>

namespace radezuvivarirare {
namespace {

bool isPresent(const std::filesystem::path& file) {
    std::error_code error;
    return std::filesystem::exists(std::filesystem::symlink_status(file, error));
}

std::filesystem::path lockFileOf(const std::filesystem::path& file) {
    std::filesystem::path lock = file;
    lock += ".lock";
    return lock;
}

} // namespace

LoadedStore loadStore(const std::filesystem::path& file) {
    const std::optional<std::string> text = doz::platform::readWholeFile(file);
    if (!text)
        return {StoreText{}, !isPresent(file)};
    return {StoreText::parse(*text), true};
}

std::int32_t modifyStore(const std::filesystem::path& file, bool createFolder,
                         const std::function<std::int32_t(StoreText&)>& change) {
    std::error_code error;
    if (createFolder && file.has_parent_path()) {
        std::filesystem::create_directories(file.parent_path(), error);
        if (error)
            return ALIAS_ERR_FILE;
    }
    doz::platform::FileLock lock;
    if (lock.lock(lockFileOf(file), doz::platform::FileLock::Mode::Wait) !=
        doz::platform::FileLock::Result::Locked)
        return ALIAS_ERR_FILE;

    // A store that exists but cannot be read is never replaced: its content would be lost.
    const std::optional<std::string> before = doz::platform::readWholeFile(file);
    if (!before && isPresent(file))
        return ALIAS_ERR_FILE;
    StoreText store = StoreText::parse(before.value_or(std::string()));
    const std::int32_t result = change(store);
    if (result != ALIAS_OK)
        return result;
    const std::string after = store.serialize();
    if (before && after == *before)
        return ALIAS_OK;
    return doz::platform::writeFileAtomically(file, after) ? ALIAS_OK : ALIAS_ERR_FILE;
}

} // namespace radezuvivarirare
