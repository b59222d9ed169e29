#include "hosttext/record_line.h"

namespace hosttext {

std::string EscapeRecordField(const std::string& field) {
    std::string out;
    out.reserve(field.size());
    for (const char c : field) {
        switch (c) {
            case '\t':
                out += "\\t";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\\':
                out += "\\\\";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string RecordLine(const std::string& when, const std::string& sender,
                       const std::string& message) {
    return EscapeRecordField(when) + '\t' + EscapeRecordField(sender) + '\t' +
           EscapeRecordField(message) + "\r\n";
}

}  // namespace hosttext
