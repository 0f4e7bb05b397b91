#include "store_text.h"

#include "alias_name.h"

#include <algorithm>
#include <charconv>

namespace radezuvivarirare {
namespace {

constexpr std::string_view kSection = "Aliases";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kHeading = "; Device aliases, one a line: alias=type code,card number";

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        return lower(x) == lower(y);
    });
}

std::optional<std::int32_t> wholeNumber(std::string_view text) {
    text = trimmed(text);
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// An alias line reads "name=type code,card number", blanks allowed around each part.
std::optional<Alias> aliasOfLine(std::string_view line) {
    if (line.empty() || line.front() == ';' || line.front() == '#')
        return std::nullopt;
    const auto equals = line.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    const std::string_view name = trimmed(line.substr(0, equals));
    const std::string_view value = line.substr(equals + 1);
    const auto comma = value.find(',');
    if (nameProblem(name) != 0 || comma == std::string_view::npos)
        return std::nullopt;
    const auto typeCode = wholeNumber(value.substr(0, comma));
    const auto cardNumber = wholeNumber(value.substr(comma + 1));
    if (!typeCode || !cardNumber || *typeCode < 1 || *cardNumber < 0)
        return std::nullopt;
    return Alias{std::string(name), {*typeCode, *cardNumber}};
}

std::string lineOfAlias(const std::string& name, Card card) {
    return name + "=" + std::to_string(card.typeCode) + "," + std::to_string(card.cardNumber);
}

} // namespace

StoreText StoreText::parse(std::string_view text) {
    StoreText store;
    bool inAliases = false;
    while (!text.empty()) {
        const auto newline = text.find('\n');
        Line line;
        line.text = std::string(text.substr(0, newline));
        text.remove_prefix(newline == std::string_view::npos ? text.size() : newline + 1);
        if (newline != std::string_view::npos)
            line.end = "\n";
        // A CR before the LF, or a lone CR ending the file, belongs to the line end, so the line
        // reads the same once more lines follow it.
        if (!line.text.empty() && line.text.back() == '\r') {
            line.text.pop_back();
            line.end = line.end.empty() ? "\r" : "\r\n";
        }
        std::string_view content = line.text;
        if (store.lines_.empty() && content.starts_with(kByteOrderMark))
            content.remove_prefix(kByteOrderMark.size());
        content = trimmed(content);
        if (content.size() >= 2 && content.front() == '[' && content.back() == ']') {
            line.sectionHeader = true;
            inAliases = equalsIgnoringAsciiCase(trimmed(content.substr(1, content.size() - 2)), kSection);
        } else if (inAliases) {
            line.alias = aliasOfLine(content);
        }
        line.inAliasSection = inAliases;
        store.lines_.push_back(std::move(line));
    }
    store.markRepeats();
    return store;
}

std::string StoreText::serialize() const {
    std::string text;
    for (const Line& line : lines_)
        text += line.text + line.end;
    return text;
}

std::vector<Alias> StoreText::aliases() const {
    std::vector<Alias> result;
    for (const Line& line : lines_)
        if (line.alias && !line.repeated)
            result.push_back(*line.alias);
    return result;
}

std::optional<Alias> StoreText::findName(std::string_view name) const {
    const auto index = lineOfName(name);
    return index ? lines_[*index].alias : std::nullopt;
}

std::optional<Alias> StoreText::findCard(Card card) const {
    const auto index = lineOfCard(card);
    return index ? lines_[*index].alias : std::nullopt;
}

void StoreText::setAlias(const std::string& name, Card card) {
    std::optional<std::size_t> index = lineOfName(name);
    if (!index)
        index = lineOfCard(card);
    if (!index) {
        const std::size_t at = insertionPoint();
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at),
                      Line{{}, lineEnd(), true, false, {}, false});
        index = at;
    }
    lines_[*index].text = lineOfAlias(name, card);
    lines_[*index].alias = Alias{name, card};
    markRepeats();
}

bool StoreText::removeName(std::string_view name) {
    const std::u32string folded = foldedName(name);
    const auto removed = std::erase_if(
        lines_, [&](const Line& line) { return line.alias && foldedName(line.alias->name) == folded; });
    markRepeats();
    return removed > 0;
}

std::optional<std::size_t> StoreText::lineOfName(std::string_view name) const {
    const std::u32string folded = foldedName(name);
    for (std::size_t i = 0; i < lines_.size(); ++i)
        if (lines_[i].alias && !lines_[i].repeated && foldedName(lines_[i].alias->name) == folded)
            return i;
    return std::nullopt;
}

std::optional<std::size_t> StoreText::lineOfCard(Card card) const {
    for (std::size_t i = 0; i < lines_.size(); ++i)
        if (lines_[i].alias && !lines_[i].repeated && lines_[i].alias->card == card)
            return i;
    return std::nullopt;
}

// After the last line that is not blank in the first alias section; a new section at the end
// when there is none.
std::size_t StoreText::insertionPoint() {
    const auto header = std::find_if(lines_.begin(), lines_.end(), [](const Line& line) {
        return line.sectionHeader && line.inAliasSection;
    });
    std::size_t at = lines_.size();
    if (header != lines_.end()) {
        at = static_cast<std::size_t>(header - lines_.begin()) + 1;
        for (std::size_t i = at; i < lines_.size() && !lines_[i].sectionHeader; ++i)
            if (!trimmed(lines_[i].text).empty())
                at = i + 1;
    } else {
        const std::string end = lineEnd();
        if (!lines_.empty())
            endLine(lines_.back());
        if (lines_.empty())
            lines_.push_back(Line{std::string(kHeading), end, false, false, {}, false});
        else if (!trimmed(lines_.back().text).empty())
            lines_.push_back(Line{{}, end, false, false, {}, false});
        lines_.push_back(Line{"[" + std::string(kSection) + "]", end, true, true, {}, false});
        at = lines_.size();
    }
    if (at > 0)
        endLine(lines_[at - 1]);
    return at;
}

// New lines end like the file's first line, so a file kept with CR LF stays that way.
std::string StoreText::lineEnd() const {
    for (const Line& line : lines_)
        if (line.end == "\n" || line.end == "\r\n")
            return line.end;
    return "\n";
}

// Gives a line that ends the file a whole line end before another line follows it.
void StoreText::endLine(Line& line) const {
    if (line.end.empty())
        line.end = lineEnd();
    else if (line.end == "\r")
        line.end = "\r\n";
}

void StoreText::markRepeats() {
    std::vector<std::u32string> seen;
    for (Line& line : lines_) {
        if (!line.alias)
            continue;
        std::u32string folded = foldedName(line.alias->name);
        line.repeated = std::find(seen.begin(), seen.end(), folded) != seen.end();
        if (!line.repeated)
            seen.push_back(std::move(folded));
    }
}

} // namespace radezuvivarirare
