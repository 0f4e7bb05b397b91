#pragma once
// The working values and checks of the Code Generator page (CWizDataSrc), without Qt: code
// file name, location, card line, card and operation lists, and the steps of Next.

#include "viruveza/wizard/card_choices.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>

namespace doz::wizard {

inline constexpr const char* kDefaultCodeFileName = "DaqCode01";

// What Next hands on when the page may be left.
struct DataSrcChoice {
    int line;
    int cardIndex;
    std::uint16_t operation;
    int page;               // the parameter page Next leads to
    std::string outputPath; // location + code file name, without ".txt"
};

class DataSrcModel {
public:
    // First display: the default name when empty, the card selection when unset, the classic
    // operations of card 0, and `currentFolder` as the location when empty.
    void firstDisplay(const std::filesystem::path& currentFolder);
    bool displayed() const { return displayed_; }

    const std::string& codeFileName() const { return codeFileName_; }
    void setCodeFileName(std::string name) { codeFileName_ = std::move(name); }

    // The location always ends with one separator of the platform; an empty text stands for
    // the current folder.
    const std::string& location() const { return location_; }
    void setLocation(const std::string& text);

    int line() const { return line_; }
    // Selecting the other line refills the card list (first card) and its operations (first
    // entry); selecting the line already shown changes nothing.
    void selectLine(int line);
    int cardIndex() const { return cardIndex_; }
    // Refills the operation list of the card and selects its preselected entry.
    void selectCard(int cardIndex);
    int operationSelection() const { return operationSelection_; }
    void selectOperation(int position);

    std::span<const OperationChoice> operations() const { return operationChoices(line_, cardIndex_); }
    std::uint16_t operationCode() const;
    // The parameter page the current choice leads to.
    int targetPage() const;

    // The steps of Next, in order. A message that keeps the user on the page, or nothing.
    std::optional<std::string> nameProblem() const;
    // Whether the location names no existing entry (the user may have it created); a location
    // that exists but is not a folder is a name problem of its own.
    bool locationMissing() const;
    std::optional<std::string> locationProblem() const;
    std::string createFolderQuestion() const;
    // Creates the location folder (one level); the failure message when it cannot be made.
    std::optional<std::string> createLocation() const;
    // The file that will be written: location + name, with ".txt" unless the name holds one.
    std::filesystem::path targetFile() const;
    // The replace question when that file exists (a folder of the name does not count).
    std::optional<std::string> replaceQuestion() const;

    DataSrcChoice choice() const;

private:
    std::string codeFileName_;
    std::string location_;
    std::filesystem::path currentFolder_;
    int line_ = kClassicLine;
    int cardIndex_ = -1;
    int operationSelection_ = 0;
    bool displayed_ = false;
};

} // namespace doz::wizard
