// Finding the decks of a batch: files as given, folders by name pattern (every "*.deck" by
// default), sub-folders when recursive, and where each keyword file goes.
#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace qalt2morv::cli {

struct DeckInput {
  std::string deck;        // path of the deck
  std::string sub_folder;  // folder under --out-dir for its keyword file ("" = the top)
};

struct InputRules {
  std::string glob;  // names a folder contributes; empty: "*.deck" in any letter case
  bool recursive = false;
};

// The last component of path, as filename() names it ("" for a path ending in a separator).
std::string file_name_of(const std::filesystem::path& path);
std::string file_name_of(std::string_view path);

// fnmatch-style match of a whole name: '*', '?', "[abc]", "[a-z]", "[!a]"; case_blind
// compares ASCII letters regardless of case.
bool name_matches(std::string_view pattern, std::string_view name, bool case_blind);

// Collects every deck the arguments name, in a stable order (sorted within a folder).
// Reports each missing argument and each folder holding no deck on err; returns false then.
bool find_decks(const std::vector<std::string>& args, const InputRules& rules,
                std::vector<DeckInput>& decks, std::ostream& err);

}  // namespace qalt2morv::cli
