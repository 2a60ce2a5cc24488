// Builds without cairo (the Windows build) print on the system printer only.
#include "ui/pdf/pdf_page.h"

namespace movarel::ui {

storage::Status WritePdf(const std::string& path, const PrintDocument&) {
  return storage::Status::NotSupported(path + ": esta versi\xF3n del programa no escribe PDF; "
                                       "imprima en la impresora del sistema");
}

}  // namespace movarel::ui
