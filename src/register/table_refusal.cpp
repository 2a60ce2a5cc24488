#include "register/table_refusal.h"

#include "ui/platform.h"

namespace movarel::registry {

std::string TableRefusalText(const std::string& what_cannot_be_done, const std::string& path,
                             const storage::Status& status) {
  const std::string file = ui::PathAsText(path);
  std::string cause;
  switch (status.code()) {
    case storage::Status::Code::kLocked:
      cause = "El fichero " + file + " est\xE1 siendo utilizado por otro programa";
      break;
    case storage::Status::Code::kNotFound:
      cause = "No existe el fichero " + file;
      break;
    case storage::Status::Code::kCorrupt:
      cause = "El fichero " + file + " est\xE1 da\xF1" "ado y no se ha tocado\r\n" + status.message();
      break;
    default:
      cause = "No se ha podido abrir el fichero " + file + "\r\n" + status.message();
      break;
  }
  return what_cannot_be_done + "\r\n" + cause;
}

}  // namespace movarel::registry
