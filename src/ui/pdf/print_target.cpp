#include "ui/pdf/print_target.h"

#include "ui/pdf/pdf_page.h"

namespace movarel::ui {

storage::Status PrintToTarget(const std::string& target, const std::string& title,
                              const PrintDocument& document) {
  if (target != kSystemPrinterTarget) return WritePdf(target, document);
  const SystemPrinter& printer = InstalledSystemPrinter();
  if (!printer) return storage::Status::NotSupported("no hay impresora del sistema");
  PrintRecording recording;
  document(recording);
  if (!printer(title, recording))
    return storage::Status::IoError("la impresora del sistema no pudo imprimir");
  return storage::Status::Ok();
}

}  // namespace movarel::ui
