// Checks that keyword text has only the record shapes the host's import reads, and that a
// whole conversion of one deck behaves as the interface promises. Used by the fuzzer, the
// corpus replay and the checker's own tests.
#pragma once

#include <string>
#include <string_view>

namespace qalt2morv::fuzz {

// Empty when every line of keyword_text (LF line ends) is one of the keyword file's record
// shapes; otherwise "keyword line N: cause". The shapes:
//   KEY,REAL,0   KEY,INT,0   KEY,"TEXT",0   a list header KEY,0,N then N entry lines
//   "REAL, ", "INT, ", "\"TEXT\", " or the zero entry " , ".
// REAL is -?[0-9]+\.[0-9]{6} (so never nan or inf), INT a nonzero decimal, N at least 1, and
// the last entry of a list is never the zero entry (lists are written up to their last
// present entry). TEXT holds no double quote and no zero byte.
std::string keyword_file_shape_error(std::string_view keyword_text);

// Converts deck bytes in memory and checks the result: status 0 or 1501; after 1501 no
// keyword text and a message that names a deck line ("line N: ...", N matching the result's
// line) or a record ("record ..."); after 0 well-formed keyword text; the same bytes again
// give the same result; CRLF line ends give the same text with "\r\n"; the keyword file reader
// splits the text into records whose texts join into it again. Empty when all holds,
// otherwise what broke.
std::string conversion_error(std::string_view deck_bytes);

}  // namespace qalt2morv::fuzz
