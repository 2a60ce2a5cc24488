#include "storage/unreported_errors.h"

#include <cstdio>
#include <utility>

#include "storage/files.h"

namespace movarel::storage {
namespace {

UnreportedErrorSink& Sink() {
  static UnreportedErrorSink sink;
  return sink;
}

}  // namespace

void SetUnreportedErrorSink(UnreportedErrorSink sink) { Sink() = std::move(sink); }

void LogUnreported(const Status& status) {
  if (status.ok()) return;
  if (Sink()) {
    Sink()(status);
  } else {
    std::fprintf(stderr, "%s\n", status.message().c_str());
  }
}

void EraseLeftover(const std::string& path) {
  Status erased = EraseFile(path);
  if (erased.code() != Status::Code::kNotFound) LogUnreported(erased);
}

}  // namespace movarel::storage
