#pragma once
// Writing a Tournament Report File.

#include <string>

#include "trf/tournament.h"

namespace movarel::trf {

struct WriteOptions {
  // Also write XXR and XXC (and XXS when the scoring is not the default), which pairing
  // engines written before TRF26 need. Not for a rating report.
  bool extension_records = false;
};

// TRF26 in UTF-8 with CR LF line ends: ### comments, the tags given (empty text and -1
// counts are left out; 162 only when the scoring is not the default), then the XX lines
// when asked for, the 001 lines in the order of `players`, the national records and the
// other records as read. Trailing spaces are cut; a name longer than 33 characters is cut
// to 33. Blank rounds inside a line are written as spaces.
std::string Write(const Tournament& tournament, const WriteOptions& options = {});

}  // namespace movarel::trf
