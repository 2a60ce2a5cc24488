#include <cstdio>
#include <cstring>
#include <string>

#include "register/templates.h"

int main(int argc, char** argv) {
  if (argc >= 2 && std::strcmp(argv[1], "--make-templates") == 0) {
    if (argc != 3) {
      std::fprintf(stderr, "uso: movarel --make-templates CARPETA\n");
      return 1;
    }
    const movarel::storage::Status status = movarel::registry::MakeTemplates(argv[2]);
    if (!status.ok()) {
      std::fprintf(stderr, "movarel: no se han podido escribir las plantillas: %s\n", status.message().c_str());
      return 1;
    }
    return 0;
  }
  std::puts("Movarel v3.0-beta3");
  return 0;
}
