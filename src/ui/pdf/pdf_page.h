#pragma once
// Printed documents as PDF files: A4 portrait pages drawn with cairo at the millimetre
// positions of ui/print_page.h. Faces are looked up by name through the system's fonts
// ("Arial" and "Times New Roman" resolve to their metric-compatible Liberation faces
// where those are installed).

#include <string>

#include "storage/status.h"
#include "ui/print_page.h"

namespace movarel::ui {

// Runs `document` onto A4 pages and writes them to `path` as one PDF file. The file is
// replaced as a whole once the document is complete: a failure leaves an earlier file of
// that name as it was. The Status names the file when it cannot be written.
storage::Status WritePdf(const std::string& path, const PrintDocument& document);

}  // namespace movarel::ui
