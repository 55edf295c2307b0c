// Reading the headless driver's scripts: one command a line, "#" starts a
// comment, values with blanks are quoted, options are written key=value.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cw::cli {

struct Arg {
    std::string key;    // empty for a plain value
    std::string value;  // without its quotes
    bool quoted = false;
};

struct Command {
    std::string name;
    std::vector<Arg> args;

    // The plain (un-keyed) values, in order.
    std::vector<std::string> positional() const;
    // The value of key=value, if given.
    std::optional<std::string> option(const std::string& key) const;
};

struct ParseResult {
    std::optional<Command> command;  // empty for a blank or comment line
    std::string error;               // non-empty when the line is malformed
};

ParseResult parseLine(const std::string& line);

// Shows line breaks as the two characters \n so that every message stays on
// one transcript line, and other control characters as \x1b and the like.
std::string oneLine(std::string_view text);
// How many columns a cell takes in the transcript: its characters, after oneLine.
std::size_t cellWidth(std::string_view text);

}  // namespace cw::cli
