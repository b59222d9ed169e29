#pragma once
#include <string>

namespace hosttext {

// One recorded message as a line of the record file: the local date and time,
// the sender and the message, separated by tabs and ended by CR LF. A tab, CR,
// LF or backslash inside a field is written \t, \r, \n or \\, so a stranger's
// text can never break a line or shift a column; every other byte is written
// as the host gave it.
std::string RecordLine(const std::string& when, const std::string& sender,
                       const std::string& message);

// A field escaped as RecordLine writes it.
std::string EscapeRecordField(const std::string& field);

}  // namespace hosttext
