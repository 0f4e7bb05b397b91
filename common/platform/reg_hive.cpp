#include "common/platform/reg_hive.h"

#include <algorithm>
#include <array>
#include <set>
#include <unordered_map>
#include <utility>

namespace doz::platform {
namespace {

// First lines that mark a hive file; both are read, REGEDIT4 is written.
constexpr std::array<std::string_view, 2> kFileHeaders{"REGEDIT4", "Windows Registry Editor Version 5.00"};
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view trimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string indexName(const KeyPath& key) {
    return foldName(fullKeyName(key));
}

KeyPath prefixOf(const KeyPath& key, std::size_t depth) {
    return {key.root, {key.names.begin(), key.names.begin() + static_cast<std::ptrdiff_t>(depth)}};
}

} // namespace

Hive Hive::parse(std::string_view text) {
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark)
        text.remove_prefix(kByteOrderMark.size());
    Hive hive;
    // Per section: folded value name -> its line, so a value given twice keeps the later data.
    std::vector<std::unordered_map<std::string, std::size_t>> valueLines;
    bool firstLine = true;
    std::optional<std::size_t> current; // the section lines go to; none before the first one
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        // Carriage returns of CRLF files; all of them, so a kept line reads back the same.
        while (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        const std::string_view trimmed = trimBlanks(line);
        if (trimmed.empty())
            continue;
        if (std::exchange(firstLine, false) &&
            std::find(kFileHeaders.begin(), kFileHeaders.end(), trimmed) != kFileHeaders.end())
            continue;

        if (trimmed.front() == '[') {
            const auto key = parseSectionHeader(line);
            if (!key) {
                hive.sections_.push_back({std::string(line), std::nullopt, {}});
                hive.unparsed_ = true;
            } else if (const auto [entry, added] =
                           hive.index_.try_emplace(indexName(*key), hive.sections_.size());
                       !added) {
                current = entry->second; // a key given twice continues its first section
                continue;
            } else {
                hive.sections_.push_back({{}, *key, {}});
            }
            valueLines.emplace_back();
            current = hive.sections_.size() - 1;
            continue;
        }

        const bool comment = trimmed.front() == ';';
        if (!current) {
            hive.preamble_.emplace_back(line);
            hive.unparsed_ = hive.unparsed_ || !comment;
            continue;
        }
        Section& section = hive.sections_[*current];
        const auto value = section.key && !comment ? parseValueLine(line) : std::nullopt;
        if (!value) {
            section.lines.emplace_back(std::string(line));
            hive.unparsed_ = hive.unparsed_ || !comment;
            continue;
        }
        auto& known = valueLines[*current];
        const auto [entry, added] = known.try_emplace(foldName(value->name), section.lines.size());
        if (added)
            section.lines.emplace_back(*value);
        else
            section.lines[entry->second] = *value;
    }
    return hive;
}

std::string Hive::serialize() const {
    std::string text(kFileHeaders.front());
    text += "\n\n";
    for (const std::string& line : preamble_)
        text += line + '\n';
    if (!preamble_.empty())
        text += '\n';
    for (const Section& section : sections_) {
        text += section.key ? formatSectionHeader(*section.key) : section.header;
        text += '\n';
        for (const Line& line : section.lines) {
            if (const auto* value = std::get_if<RegValue>(&line))
                text += formatValueLine(*value);
            else
                text += std::get<std::string>(line);
            text += '\n';
        }
        text += '\n';
    }
    return text;
}

bool Hive::keyExists(const KeyPath& key) const {
    return key.names.empty() || findSection(key) != nullptr || !sectionsBelow(key).empty();
}

const RegData* Hive::value(const KeyPath& key, std::string_view name) const {
    const Section* section = findSection(key);
    if (section == nullptr)
        return nullptr;
    for (const Line& line : section->lines) {
        const auto* value = std::get_if<RegValue>(&line);
        if (value != nullptr && sameName(value->name, name))
            return &value->data;
    }
    return nullptr;
}

std::vector<std::string> Hive::subkeys(const KeyPath& key) const {
    std::vector<std::string> names;
    std::set<std::string> seen;
    for (const std::size_t index : sectionsBelow(key)) {
        const std::string& name = sections_[index].key->names[key.names.size()];
        if (seen.insert(foldName(name)).second)
            names.push_back(name);
    }
    std::sort(names.begin(), names.end(), nameLess);
    return names;
}

std::vector<std::string> Hive::valueNames(const KeyPath& key) const {
    std::vector<std::string> names;
    if (const Section* section = findSection(key)) {
        for (const Line& line : section->lines) {
            if (const auto* value = std::get_if<RegValue>(&line))
                names.push_back(value->name);
        }
    }
    return names;
}

void Hive::createKey(const KeyPath& key) {
    for (std::size_t depth = key.names.empty() ? 0 : 1; depth <= key.names.size(); ++depth) {
        const KeyPath part = prefixOf(key, depth);
        if (findSection(part) != nullptr)
            continue;
        // Keep the file in tree order: a new key goes after everything below its parent.
        std::size_t position = sections_.size();
        if (depth > 0) {
            const KeyPath parent = prefixOf(key, depth - 1);
            std::vector<std::size_t> family = sectionsBelow(parent);
            if (const auto found = index_.find(indexName(parent)); found != index_.end())
                family.push_back(found->second);
            if (!family.empty())
                position = *std::max_element(family.begin(), family.end()) + 1;
        }
        sections_.insert(sections_.begin() + static_cast<std::ptrdiff_t>(position), Section{{}, part, {}});
        rebuildIndex();
    }
}

bool Hive::setValue(const KeyPath& key, RegValue value) {
    if (!keyExists(key))
        return false;
    createKey(key);
    Section& section = *findSection(key);
    for (Line& line : section.lines) {
        auto* existing = std::get_if<RegValue>(&line);
        if (existing != nullptr && sameName(existing->name, value.name)) {
            existing->data = std::move(value.data);
            return true;
        }
    }
    section.lines.emplace_back(std::move(value));
    return true;
}

bool Hive::deleteValue(const KeyPath& key, std::string_view name) {
    Section* section = findSection(key);
    if (section == nullptr)
        return false;
    const auto found = std::find_if(section->lines.begin(), section->lines.end(), [name](const Line& line) {
        const auto* value = std::get_if<RegValue>(&line);
        return value != nullptr && sameName(value->name, name);
    });
    if (found == section->lines.end())
        return false;
    section->lines.erase(found);
    return true;
}

bool Hive::deleteKey(const KeyPath& key) {
    if (key.names.empty())
        return false;
    std::vector<std::size_t> doomed = sectionsBelow(key);
    if (const auto found = index_.find(indexName(key)); found != index_.end())
        doomed.push_back(found->second);
    if (doomed.empty())
        return false;
    std::sort(doomed.rbegin(), doomed.rend());
    for (const std::size_t index : doomed)
        sections_.erase(sections_.begin() + static_cast<std::ptrdiff_t>(index));
    rebuildIndex();
    return true;
}

Hive::Section* Hive::findSection(const KeyPath& key) {
    const auto found = index_.find(indexName(key));
    return found == index_.end() ? nullptr : &sections_[found->second];
}

const Hive::Section* Hive::findSection(const KeyPath& key) const {
    const auto found = index_.find(indexName(key));
    return found == index_.end() ? nullptr : &sections_[found->second];
}

std::vector<std::size_t> Hive::sectionsBelow(const KeyPath& key) const {
    // Folded names below "X" are exactly those from "X\" up to, not including, "X]".
    const std::string name = indexName(key);
    std::vector<std::size_t> found;
    for (auto it = index_.lower_bound(name + '\\'); it != index_.lower_bound(name + ']'); ++it)
        found.push_back(it->second);
    return found;
}

void Hive::rebuildIndex() {
    index_.clear();
    for (std::size_t i = 0; i < sections_.size(); ++i) {
        if (sections_[i].key)
            index_.emplace(indexName(*sections_[i].key), i);
    }
}

} // namespace doz::platform
