#pragma once
// Failures at places with no caller to tell: a destructor, or the clean-up after a failure
// the user has already been told about. They are not dropped: they go to the sink the
// program installs (the error log), or to standard error while none is installed.

#include <functional>
#include <string>

#include "storage/status.h"

namespace movarel::storage {

using UnreportedErrorSink = std::function<void(const Status&)>;

// Replaces the sink; an empty one restores standard error.
void SetUnreportedErrorSink(UnreportedErrorSink sink);

// Hands a failed `status` to the sink; an ok one is ignored.
void LogUnreported(const Status& status);

// Erases a file the program made and no longer needs (a temporary, a half-made file): one
// already gone is fine, any other failure is logged.
void EraseLeftover(const std::string& path);

}  // namespace movarel::storage
