#include "viruveza/wizard/data_src_model.h"

#include "viruveza/generators/output_path.h"
#include "viruveza/wizard/wizard_routes.h"

#include <algorithm>
#include <cctype>
#include <system_error>

namespace doz::wizard {

namespace {

constexpr char kSeparator = static_cast<char>(std::filesystem::path::preferred_separator);

bool isSeparator(char c) {
    return c == '/' || c == '\\';
}

bool onlyBlanks(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isspace(c) != 0; });
}

std::string withOneTrailingSeparator(std::string folder) {
    while (folder.size() > 1 && folder.back() == kSeparator && folder[folder.size() - 2] == kSeparator)
        folder.pop_back();
    if (folder.empty() || folder.back() != kSeparator)
        folder += kSeparator;
    return folder;
}

// The location without its trailing separator ("/" stays itself), as the file system names it.
std::filesystem::path withoutTrailingSeparator(std::string folder) {
    while (folder.size() > 1 && folder.back() == kSeparator)
        folder.pop_back();
    return folder;
}

std::string replaceFirst(std::string text, std::string_view marker, const std::string& value) {
    if (const std::size_t at = text.find(marker); at != std::string::npos)
        text.replace(at, marker.size(), value);
    return text;
}

} // namespace

void DataSrcModel::firstDisplay(const std::filesystem::path& currentFolder) {
    currentFolder_ = currentFolder;
    if (codeFileName_.empty())
        codeFileName_ = kDefaultCodeFileName;
    if (cardIndex_ < 0)
        cardIndex_ = 0;
    line_ = kClassicLine;
    operationSelection_ = 0;
    if (location_.empty())
        setLocation(currentFolder.string());
    displayed_ = true;
}

void DataSrcModel::setLocation(const std::string& text) {
    location_ = withOneTrailingSeparator(text.empty() ? currentFolder_.string() : text);
}

void DataSrcModel::selectLine(int line) {
    if (line != kClassicLine && line != kE400Line)
        line = kClassicLine;
    if (line == line_)
        return;
    line_ = line;
    cardIndex_ = 0;
    operationSelection_ = 0;
}

void DataSrcModel::selectCard(int cardIndex) {
    if (cardIndex < 0 || static_cast<std::size_t>(cardIndex) >= cardNames(line_).size())
        return;
    cardIndex_ = cardIndex;
    operationSelection_ = preselectedOperation(line_, cardIndex);
}

void DataSrcModel::selectOperation(int position) {
    if (position >= 0 && static_cast<std::size_t>(position) < operations().size())
        operationSelection_ = position;
}

std::uint16_t DataSrcModel::operationCode() const {
    const auto list = operations();
    if (list.empty())
        return 0;
    return list[static_cast<std::size_t>(
                    std::clamp(operationSelection_, 0, static_cast<int>(list.size()) - 1))]
        .code;
}

int DataSrcModel::targetPage() const {
    return parameterPageFor(line_, operationCode(), cardIndex_).value_or(kCardCfgPage);
}

std::optional<std::string> DataSrcModel::nameProblem() const {
    if (codeFileName_.empty() || onlyBlanks(codeFileName_))
        return std::string("You must assign the File Name!");
    if (std::any_of(codeFileName_.begin(), codeFileName_.end(), isSeparator))
        return "The file name <" + codeFileName_ +
               "> must not hold a folder separator (/ or \\). Choose the folder under Location.";
    if (codeFileName_ == "." || codeFileName_ == "..")
        return "The file name <" + codeFileName_ + "> cannot be used for a file.";
    return std::nullopt;
}

bool DataSrcModel::locationMissing() const {
    std::error_code error;
    return !std::filesystem::exists(withoutTrailingSeparator(location_), error);
}

std::optional<std::string> DataSrcModel::locationProblem() const {
    std::error_code error;
    if (!locationMissing() && !std::filesystem::is_directory(withoutTrailingSeparator(location_), error))
        return "The location <" + location_ + "> is not a folder.";
    return std::nullopt;
}

std::string DataSrcModel::createFolderQuestion() const {
    return replaceFirst("The directory <%s> doesnot exist, do you Create the directory ?", "%s", location_);
}

std::optional<std::string> DataSrcModel::createLocation() const {
    const std::filesystem::path folder = withoutTrailingSeparator(location_);
    std::error_code error;
    if (std::filesystem::create_directory(folder, error) || std::filesystem::is_directory(folder))
        return std::nullopt;
    return "The directory <" + location_ + "> cannot be created: " + error.message() + ".";
}

std::filesystem::path DataSrcModel::targetFile() const {
    return generators::WithTxtExtension(std::filesystem::path(location_ + codeFileName_));
}

std::optional<std::string> DataSrcModel::replaceQuestion() const {
    const std::filesystem::path file = targetFile();
    std::error_code error;
    if (!std::filesystem::exists(file, error) || std::filesystem::is_directory(file, error))
        return std::nullopt;
    return replaceFirst(
        "The current folder contains an existing file <%s>.\nDo you want to replace the existing file?", "%s",
        file.string());
}

DataSrcChoice DataSrcModel::choice() const {
    return {line_, cardIndex_, operationCode(), targetPage(), location_ + codeFileName_};
}

} // namespace doz::wizard
