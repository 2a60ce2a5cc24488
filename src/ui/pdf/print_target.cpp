#include "ui/pdf/print_target.h"

#include "ui/backend.h"
#include "ui/pdf/pdf_page.h"

namespace movarel::ui {

storage::Status PrintToTarget(Backend& backend, const std::string& target, const std::string& title,
                              const PrintDocument& document) {
  if (target != kSystemPrinterTarget) return WritePdf(target, document);
  PrintRecording recording;
  document(recording);
  if (!backend.PrintOnSystemPrinter(title, recording))
    return storage::Status::IoError("la impresora del sistema no pudo imprimir");
  return storage::Status::Ok();
}

}  // namespace movarel::ui
