// One conversion run: the six phases in order over a fresh conversion state, with every
// failure turned into a status and a message.
#pragma once

#include <functional>
#include <string>

#include "core/conversion_state.hpp"
#include "core/keyword_writer.hpp"
#include "entry/host_services.hpp"
#include "qalt2morv/convert.hpp"

namespace qalt2morv {

// Fills the line store (the reading part of phase 1); throws DeckUnreadable on failure.
using DeckReader = std::function<void(ConversionState&)>;

// Runs the conversion. On success keyword_text holds the whole keyword file; on failure it
// is empty and the result carries the status, the message and the deck line.
ConvertResult run_conversion(const DeckReader& read_deck, LineEnding line_end,
                             std::string& keyword_text, const HostServices& services);

LineEnding resolve_line_end(LineEnding ending);

}  // namespace qalt2morv
