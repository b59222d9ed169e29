#pragma once
// The parsing steps of host text written out literally, one step after the
// other, with no regard for cost: each line is found by copying the whole
// text and counting its lines again, and each replacement searches from the
// start. The fuzz targets and the parsing tests hold the fast code in
// hosttext/ to the same results; nothing else may use this.
#include <string>

namespace reference {

int LineCount(const std::string& text);
std::string GetLine(const std::string& text, int n);

// Replaces the first occurrence of `find` from the start of the text, then
// looks again, until none is left; `pumps` counts the pumps the steps make,
// one before each replacement. Ends only for a `with` shorter than `find`
// (and a `find` that is not empty): callers check that first.
std::string ReplaceAll(std::string text, const std::string& find, const std::string& with,
                       int* pumps = nullptr);
bool ReplaceAllEnds(const std::string& find, const std::string& with);

// What ReplaceAll does where the steps would never end: each occurrence of
// `find` in the original text replaced once, left to right.
std::string ReplaceEachOnce(const std::string& text, const std::string& find,
                            const std::string& with);

// The caption after its first ": " (or from its second character, without one).
std::string SenderFromCaption(const std::string& caption);

// The sender's latest line, from the last line back, each line taken with
// GetLine; then from character L+5 on, less the last character.
std::string MessageFromTranscript(const std::string& transcript, const std::string& sender);

}  // namespace reference
