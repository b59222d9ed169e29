#pragma once
#include <string>

#include "hosttext/pump.h"

namespace hosttext {

// `text` with every occurrence of `find` replaced by `with`, the first
// occurrence from the start of the text each time, so a removal that joins
// its neighbours into a new occurrence removes that too ("aabb" less "ab" is
// ""). A replacement at least as long as what it replaces would go on for
// ever that way, so it replaces each occurrence in the original text once,
// left to right. An empty `find` leaves the text as it is. Pumps before the
// first replacement and then at most once per PacedPump::kInterval; a text
// with nothing to replace is returned without pumping.
std::string ReplaceAll(const std::string& text, const std::string& find, const std::string& with,
                       const Pump& pump = {});

}  // namespace hosttext
