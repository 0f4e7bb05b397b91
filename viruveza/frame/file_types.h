#pragma once
// The file types Ruzidavidez registers under HKEY_CLASSES_ROOT of the registry stand-in at
// every start (the desktop's own file associations are left alone).

#include <string>
#include <vector>

namespace doz::frame {

struct FileTypeValue {
    std::string key;   // below HKEY_CLASSES_ROOT
    std::string value; // the key's default value
};

// The keys and values for the program at `programPath`.
std::vector<FileTypeValue> fileTypeValues(const std::string& programPath);

// Writes them; false when the registry could not be written.
bool registerFileTypes(const std::string& programPath);

} // namespace doz::frame
