// In the tests a handler that throws is a failed test, not a silent no-op.
#include <gtest/gtest.h>

#include "forms/handler_failure.h"

namespace forms {

void ReportHandlerFailure(const std::string& what) {
    ADD_FAILURE() << "handler failed: " << what;
}

}  // namespace forms
