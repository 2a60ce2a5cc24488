#include "register/table_layouts.h"

#include "register/file_names.h"

namespace movarel::registry {
namespace {

using storage::FieldDef;

FieldDef C(const char* name, int length) { return {name, 'C', length, 0}; }
FieldDef N(const char* name, int length, int decimals = 0) { return {name, 'N', length, decimals}; }
FieldDef D(const char* name) { return {name, 'D', 8, 0}; }
FieldDef L(const char* name) { return {name, 'L', 1, 0}; }

void Add(std::vector<FieldDef>& to, std::initializer_list<FieldDef> fields) {
  to.insert(to.end(), fields.begin(), fields.end());
}

}  // namespace

std::vector<FieldDef> TorneosFields() {
  return {C("FICHERO", 8),     C("TORNEO", 40),     D("FECHA_INI"),     D("FECHA_FIN"),   C("LOCALIDAD", 25),
          N("N_JUGS", 3),      N("N_RONDAS", 2),    N("N_R_ACTUAL", 2), C("PIE_PAG", 60), C("PRIM_CONTR", 20),
          C("SEGU_CONTR", 20), C("ARBIT_PPAL", 30), C("ARBIT_AUX", 30)};
}

std::vector<FieldDef> CuadroFields() {
  std::vector<FieldDef> fields = {N("NUM", 3),        C("JUG", 30),     C("LIC", 6),       L("BAJA"),
                                  N("ELOFIDE", 4),    N("ELOFEDA", 4),  N("ELO", 4),       N("K", 2),
                                  C("CLUB", 15),      C("CAT", 1),      N("PTOS", 4, 1),   N("PUESTO", 3),
                                  N("VAR_ELO", 6, 1), C("COD_PAIS", 3), C("AUTONOMIA", 3), C("COD_FIDE", 8),
                                  C("COD_FEDA", 8),   D("FECHA_NAC"),   C("SEXO", 1)};
  for (int round = 1; round <= kMaxRounds; ++round) {
    for (char letter : kRoundFieldLetters) {
      const int length = letter == 'J' ? 3 : 1;
      fields.push_back({RoundFieldName(round, letter), letter == 'J' ? 'N' : 'C', length, 0});
    }
  }
  Add(fields, {N("ACUM", 6, 1), N("ACU_1", 6, 1), N("ACU_2", 6, 1), N("ACU_3", 6, 1), N("ACU_4", 6, 1),
               N("ACU_5", 6, 1), N("ACU_6", 6, 1), N("BUC_T", 6, 1), N("BUC_R", 6, 1), N("ELO_M", 6, 1),
               N("SONEN", 6, 1), N("N_VIC", 2), C("PREMIOS", 15), N("ACU_7", 6, 1), N("ACU_8", 6, 1),
               N("ACU_9", 6, 1), N("BUC_B", 6, 1)});
  return fields;
}

std::vector<FieldDef> RondaFields() { return {N("JUG_B", 3), N("JUG_N", 3), C("RDO", 5)}; }

std::vector<FieldDef> PremiosFields() {
  // CANTIDAD holds amounts below 10,000,000 (the distribution key is 10000000 minus it).
  return {C("PREMIO", 30),  C("ORDEN", 2),  C("ID_CATEGOR", 1), N("CANTIDAD", 8),  L("ACUMULABLE"),
          C("JUGADOR", 30), N("NUMJUG", 3), N("PUESTO", 3),     N("PUNTOS", 4, 1), C("PREMIOS", 15)};
}

std::vector<FieldDef> DesempsFields() { return {C("ORDEN", 2), C("SISTEMA", 10)}; }

std::vector<FieldDef> CatsFields() { return {C("ORDEN", 2), C("ID_CATEGOR", 1)}; }

std::vector<FieldDef> CclasFields() { return {L("SN"), C("DATO", 25), C("CAMPO", 1)}; }

std::vector<FieldDef> BasejugsFields() {
  return {C("JUG", 30),  C("LIC", 6), N("ELO", 4),      N("ELOFIDE", 4),  N("ELOFEDA", 4),  N("K", 2),
          C("CLUB", 15), C("CAT", 1), C("COD_PAIS", 3), C("COD_FIDE", 8), C("COD_FEDA", 8), D("FECHA_NAC")};
}

std::vector<FieldDef> T14Fields() { return {N("DIF", 4), N("P", 4, 2)}; }

// The rating bodies' dBASE reports: code 8, name 32, country 3, RC N4, W N4.1, N N2,
// birth date D, sex C1. Fields in the order the exchange files assign them.
std::vector<FieldDef> ZdFideFields() {
  return {C("ID_CODE", 8), C("NAME", 32), C("SEX", 1), C("COUNTRY", 3),  D("BIRTHDATE"),
          N("W", 4, 1),    N("N", 2),     N("RC", 4),  N("N_RANKING", 3)};
}

std::vector<FieldDef> ZdFedaFields() {
  return {C("ID_CODE", 8), C("NAME", 32), C("SEX", 1), C("AUTONOMIA", 3), D("BIRTHDATE"),
          N("W", 4, 1),    N("N", 2),     N("RC", 4),  N("N_RANKING", 3)};
}

std::vector<FieldDef> ZdFvaFields() {
  return {C("TORNEO", 40),  C("LOCALIDAD", 25), D("FECHA_INI"),   D("FECHA_FIN"),
          C("LICENCIA", 6), N("PUNTOS", 4, 1),  N("PARTIDAS", 2), N("ELORIVALES", 4)};
}

std::vector<FieldDef> ZdFvaNueFields() {
  std::vector<FieldDef> fields = ZdFvaFields();
  Add(fields, {C("JUG", 30), N("ELOFIDE", 4), N("ELOFEDA", 4), N("ELO", 4), C("CLUB", 15), C("CAT", 1),
               C("COD_PAIS", 3), C("COD_FIDE", 8), C("COD_FEDA", 8), D("FECHA_NAC")});
  return fields;
}

}  // namespace movarel::registry
