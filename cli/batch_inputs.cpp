// Which files of a folder are decks, and the mirrored folder each one's keyword file goes to.
#include "batch_inputs.hpp"

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <system_error>

namespace qalt2morv::cli {

namespace fs = std::filesystem;

namespace {

char fold(char c, bool case_blind) {
  return case_blind && c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Matches one bracket expression at pattern[0] == '['; advances p past it. Returns false
// when the bracket is not closed (then '[' is taken literally by the caller).
bool match_bracket(std::string_view pattern, std::size_t& p, char c, bool case_blind,
                   bool& matched) {
  std::size_t q = p + 1;
  bool negate = false;
  if (q < pattern.size() && (pattern[q] == '!' || pattern[q] == '^')) {
    negate = true;
    ++q;
  }
  bool any = false;
  bool first = true;
  c = fold(c, case_blind);
  while (q < pattern.size() && (first || pattern[q] != ']')) {
    first = false;
    char lo = fold(pattern[q], case_blind);
    char hi = lo;
    if (q + 2 < pattern.size() && pattern[q + 1] == '-' && pattern[q + 2] != ']') {
      hi = fold(pattern[q + 2], case_blind);
      q += 2;
    }
    if (lo <= c && c <= hi) any = true;
    ++q;
  }
  if (q >= pattern.size()) return false;
  p = q + 1;
  matched = any != negate;
  return true;
}

bool is_hidden(std::string_view name) { return !name.empty() && name[0] == '.'; }

bool has_sub_folder(const fs::path& root) {
  std::error_code ec;
  for (fs::directory_iterator it(root, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code fe;
    if (!is_hidden(file_name_of(it->path())) && it->is_directory(fe)) return true;
  }
  return false;
}

bool wanted(const InputRules& rules, std::string_view name) {
  if (rules.glob.empty()) return name_matches("*.deck", name, true);
  return name_matches(rules.glob, name, false);
}

// The decks of one folder argument; false after a listing error (reported).
bool scan_folder(const std::string& arg, const InputRules& rules, std::vector<DeckInput>& out,
                 std::ostream& err) {
  std::vector<DeckInput> found;
  std::error_code ec;
  const fs::path root(arg);
  const auto options = fs::directory_options::none;
  if (rules.recursive) {
    for (fs::recursive_directory_iterator it(root, options, ec), end; !ec && it != end;
         it.increment(ec)) {
      const std::string name = file_name_of(it->path());
      if (is_hidden(name)) {
        if (it->is_directory(ec)) it.disable_recursion_pending();
        ec.clear();
        continue;
      }
      std::error_code fe;
      if (!it->is_regular_file(fe) || !wanted(rules, name)) continue;
      const fs::path rel = it->path().parent_path().lexically_relative(root);
      found.push_back({it->path().string(), rel == "." ? std::string() : rel.generic_string()});
    }
  } else {
    for (fs::directory_iterator it(root, options, ec), end; !ec && it != end; it.increment(ec)) {
      const std::string name = file_name_of(it->path());
      std::error_code fe;
      if (is_hidden(name) || !it->is_regular_file(fe) || !wanted(rules, name)) continue;
      found.push_back({it->path().string(), std::string()});
    }
  }
  if (ec) {
    err << "qalt2morv: " << arg << ": cannot list the folder: " << ec.message() << '\n';
    return false;
  }
  if (found.empty()) {
    err << "qalt2morv: " << arg << ": no deck in this folder (looked for "
        << (rules.glob.empty() ? std::string("*.deck") : rules.glob)
        << (rules.recursive ? ", in sub-folders too" : "") << ")";
    if (!rules.recursive && has_sub_folder(root)) err << "; -r searches its sub-folders";
    err << '\n';
    return false;
  }
  std::sort(found.begin(), found.end(), [](const DeckInput& a, const DeckInput& b) {
    return a.sub_folder != b.sub_folder ? a.sub_folder < b.sub_folder : a.deck < b.deck;
  });
  out.insert(out.end(), std::make_move_iterator(found.begin()),
             std::make_move_iterator(found.end()));
  return true;
}

}  // namespace

// A listing makes thousands of these: on POSIX the name is the text after the last slash,
// which the path already holds (filename() would build a second path first).
std::string file_name_of(std::string_view path) {
#if defined(_WIN32)
  return fs::path(path).filename().string();
#else
  const std::size_t slash = path.rfind('/');
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
#endif
}

std::string file_name_of(const fs::path& path) {
#if defined(_WIN32)
  return path.filename().string();
#else
  return file_name_of(std::string_view(path.native()));
#endif
}

bool name_matches(std::string_view pattern, std::string_view name, bool case_blind) {
  // Iterative with one backtrack point for the last '*': linear in practice, no recursion.
  std::size_t p = 0, n = 0, star_p = std::string_view::npos, star_n = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      star_p = p++;
      star_n = n;
      continue;
    }
    if (p < pattern.size()) {
      bool matched = false;
      std::size_t next = p;
      if (pattern[p] == '[' && match_bracket(pattern, next, name[n], case_blind, matched)) {
        if (matched) {
          p = next;
          ++n;
          continue;
        }
      } else if (pattern[p] == '?' || fold(pattern[p], case_blind) == fold(name[n], case_blind)) {
        ++p;
        ++n;
        continue;
      }
    }
    if (star_p == std::string_view::npos) return false;
    p = star_p + 1;
    n = ++star_n;
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

bool find_decks(const std::vector<std::string>& args, const InputRules& rules,
                std::vector<DeckInput>& decks, std::ostream& err) {
  bool all_found = true;
  for (const auto& a : args) {
    std::error_code ec;
    const auto st = fs::status(a, ec);
    if (fs::is_directory(st)) {
      all_found = scan_folder(a, rules, decks, err) && all_found;
    } else if (fs::exists(st)) {
      decks.push_back(
          {a, std::string()});  // a file named on the command line is a deck whatever its name
    } else {
      err << "qalt2morv: " << a << ": deck not found\n";
      all_found = false;
    }
  }
  if (all_found && decks.empty()) {
    err << "qalt2morv: no deck given\n";
    return false;
  }
  return all_found;
}

}  // namespace qalt2morv::cli
