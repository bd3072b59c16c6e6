// The line end a keyword file is written with.
#pragma once

namespace qalt2morv {

enum class LineEnding {
  platform,  // "\r\n" on Windows, where the host reads the file in text mode; "\n" elsewhere
  lf,
  crlf,
};

}  // namespace qalt2morv
