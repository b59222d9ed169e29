#pragma once
// Where an exception that a handler let out ends. Exceptions never cross a
// window procedure, so the forms runtime catches them and reports them here.
// forms/handler_failure.cpp, alone in its file, writes a line for a debugger;
// the tests link their own definition (tests/support/handler_failure.cpp, a
// failed test) ahead of the library, so the library's is never pulled in.
#include <string>

namespace forms {

void ReportHandlerFailure(const std::string& what);

}  // namespace forms
