#pragma once
// The text of a store file: the aliases it holds, and every other line exactly as it was, so a
// rewrite changes only the lines of the aliases that changed.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace radezuvivarirare {

struct Card {
    std::int32_t typeCode = 0;
    std::int32_t cardNumber = 0;
    bool operator==(const Card&) const = default;
};

struct Alias {
    std::string name;
    Card card;
};

class StoreText {
public:
    static StoreText parse(std::string_view text);
    std::string serialize() const;

    // The aliases, in file order. A name that appears again further down (in any letter case)
    // counts once, at its first line.
    std::vector<Alias> aliases() const;
    std::optional<Alias> findName(std::string_view name) const;
    std::optional<Alias> findCard(Card card) const;

    // Makes `name` the card's alias: rewrites the line of that name, else the card's first
    // alias line, else adds a line to the alias section (made when missing).
    void setAlias(const std::string& name, Card card);
    // Drops every alias line of the name; false when there was none.
    bool removeName(std::string_view name);

private:
    struct Line {
        std::string text;
        std::string end; // "\n", "\r\n"; a last line: also "" or a lone "\r"
        bool inAliasSection = false;
        bool sectionHeader = false;
        std::optional<Alias> alias; // the alias the line holds, when it reads as one
        bool repeated = false;      // an alias line whose name an earlier line already holds
    };

    std::optional<std::size_t> lineOfName(std::string_view name) const;
    std::optional<std::size_t> lineOfCard(Card card) const;
    std::size_t insertionPoint();
    std::string lineEnd() const;
    void endLine(Line& line) const;
    void markRepeats();

    std::vector<Line> lines_;
};

} // namespace radezuvivarirare
