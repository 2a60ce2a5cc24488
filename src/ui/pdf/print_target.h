#pragma once
// Printing a document where the print dialog said: into a PDF file, or on the GUI's
// system printer (ui::kSystemPrinterTarget), which shows it in a preview first.

#include <string>

#include "storage/status.h"
#include "ui/print_page.h"

namespace movarel::ui {

class Backend;

// `target` is what `backend`.ChoosePrintTarget returned and is not empty. A PDF path is
// written with WritePdf. The system-printer token hands the recorded document to the
// backend's system printer; without one (a headless run never returns the token) the
// result is an error.
storage::Status PrintToTarget(Backend& backend, const std::string& target, const std::string& title,
                              const PrintDocument& document);

}  // namespace movarel::ui
