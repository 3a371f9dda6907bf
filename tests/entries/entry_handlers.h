#pragma once

#include "common/error_report.h"
#include "headless_form.h"

namespace tavrolin::testing {

using Fixture = HeadlessForm;

// The text of the error report a handler shows for a failure at the given line.
inline QString report(const QString& description, const QString& procedure, int line) {
    return errorReportText(description, procedure, line);
}

} // namespace tavrolin::testing
