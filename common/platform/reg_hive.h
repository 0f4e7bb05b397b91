#pragma once

#include "common/platform/reg_syntax.h"

#include <map>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace doz::platform {

// The content of a hive file in memory. Lines that cannot be understood are kept verbatim in
// their place, so writing the hive back never loses them. A key exists when it has a section
// or lies above one.
class Hive {
public:
    static Hive parse(std::string_view text);
    std::string serialize() const;

    // Whether the text it was read from had lines that could not be understood.
    bool hasUnparsedContent() const { return unparsed_; }

    bool keyExists(const KeyPath& key) const;
    // Nullptr when the key or the value is missing.
    const RegData* value(const KeyPath& key, std::string_view name) const;
    std::vector<std::string> subkeys(const KeyPath& key) const;
    std::vector<std::string> valueNames(const KeyPath& key) const;

    // Creates the key and its missing parents.
    void createKey(const KeyPath& key);
    // These return false when the key (or the value) is missing.
    bool setValue(const KeyPath& key, RegValue value);
    bool deleteValue(const KeyPath& key, std::string_view name);
    bool deleteKey(const KeyPath& key);

private:
    using Line = std::variant<RegValue, std::string>; // a value, or a line kept verbatim

    struct Section {
        std::string header;         // verbatim, for a section that is not understood
        std::optional<KeyPath> key; // nullopt: nothing in it is interpreted
        std::vector<Line> lines;
    };

    Section* findSection(const KeyPath& key);
    const Section* findSection(const KeyPath& key) const;
    // Indexes of the sections of `key`'s subkeys, at any depth.
    std::vector<std::size_t> sectionsBelow(const KeyPath& key) const;
    void rebuildIndex();

    std::vector<std::string> preamble_; // verbatim lines before the first section
    std::vector<Section> sections_;
    std::map<std::string, std::size_t> index_; // folded full key name -> section
    bool unparsed_ = false;
};

} // namespace doz::platform
