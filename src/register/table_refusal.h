#pragma once
// The stop box text of an operation whose table cannot be opened: what cannot be done, then
// the file and the cause (held by another program, missing, damaged, or the storage error).

#include <string>

#include "storage/status.h"

namespace movarel::registry {

std::string TableRefusalText(const std::string& what_cannot_be_done, const std::string& file,
                             const storage::Status& status);

}  // namespace movarel::registry
