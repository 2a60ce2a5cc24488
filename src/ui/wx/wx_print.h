#pragma once
// Printing through the toolkit: the system print dialog, and a preview of the document
// from which the user prints it. No wx header here: the backend and tests call these.

#include <cstddef>
#include <string>

#include "ui/print_page.h"

class wxWindow;

namespace movarel::ui {

// The print dialog of a person at the windows: first the choice between printing and
// saving a PDF file, then the system's print dialog or a file chooser. Returns
// kSystemPrinterTarget (the backend then prints through ShowPrintPreview), the chosen PDF
// path, or "" when cancelled at any step.
std::string ChoosePrinterOrPdf(wxWindow* parent, const std::string& title);

// Shows `document` in the toolkit's print preview, printing on the printer last chosen in
// ChoosePrinterOrPdf. The preview keeps its own copy and lives on after the call, modal
// to the application until the user closes it. False when the preview cannot be built
// (no printer driver at all).
bool ShowPrintPreview(const std::string& title, const PrintRecording& document);

// Draws page `index` of `document` into a white PNG image at `dots_per_mm` through the
// same drawing code as the printer: for tests and for checking a layout by eye.
bool SavePrintedPageImage(const PrintRecording& document, std::size_t index, double dots_per_mm,
                          const std::string& png_path);

}  // namespace movarel::ui
