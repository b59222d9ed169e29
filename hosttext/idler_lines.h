#pragma once
#include <string>

namespace hosttext {

// The chat lines the idler posts; the markup closes italics and underline,
// turns bold on and underlines the reason and the number.
std::string IdleHeaderLine();
std::string IdleReasonLine(const std::string& reason);
std::string IdleMinutesLine(const std::string& counter);
std::string IdleOffLine();

// The counter's caption after one more minute: its numeric value plus one,
// written plainly ("0" -> "1", "9" -> "10").
std::string NextIdleCount(const std::string& counter);

}  // namespace hosttext
