#pragma once
#include <string>

#include "hosttext/pump.h"

namespace hosttext {

constexpr char kCR = '\r';
constexpr char kLF = '\n';

// Lines of a host text: one per CR, plus a last one after the final CR when
// the text does not end in CR or LF. LF alone never ends a line.
int LineCount(const std::string& text);

// Whether the text after the last CR (or the whole text, without a CR) counts
// as a line of its own: it does unless the text ends in CR or LF.
bool HasUnendedLastLine(const std::string& text);

// Line n (from 1) of a host text without its CR and LF characters; empty when
// there is no such line. Costs one pass over the text, whatever n is.
std::string GetLine(const std::string& text, int n, const Pump& pump = {});

}  // namespace hosttext
