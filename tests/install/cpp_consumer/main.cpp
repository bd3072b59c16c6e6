// Converts a deck in memory with the installed C++ interface and writes the keyword text
// with "\n" line ends: cpp_consumer DECK OUT. A deck that does not convert exits 1.
#include <fstream>
#include <iostream>
#include <iterator>
#include <qalt2morv/convert.hpp>
#include <string>

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  std::ifstream in(argv[1], std::ios::binary);
  const std::string deck((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::string keywords;
  qalt2morv::ConvertOptions options;
  options.line_ending = qalt2morv::LineEnding::lf;
  const qalt2morv::ConvertResult r = qalt2morv::convert_text(deck, keywords, options);
  if (!r.ok()) {
    std::cerr << qalt2morv::status_text(r.status) << ": " << r.message << '\n';
    return 1;
  }
  std::ofstream(argv[2], std::ios::binary) << keywords;
  return 0;
}
