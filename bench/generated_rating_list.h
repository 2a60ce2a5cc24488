#pragma once
// A rating list the size of FIDE's (1.5 million players: COD_FIDE N10, JUG C30, ELO N4) in
// a folder of the system's temporary folder, generated once and reused by later runs. The
// dBase III bytes are written directly, streaming, so that generating the list does not
// itself raise the peak memory measured afterwards. Player i has FIDE code 1000000 + i.

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

namespace movarel::bench {

constexpr uint32_t kPlayers = 1'500'000;
// COD_FIDE N10, JUG C30, ELO N4 after the deletion flag.
constexpr size_t kRecordLength = 1 + 10 + 30 + 4;

inline void Put16(char* p, uint32_t v) {
  p[0] = static_cast<char>(v & 0xFF);
  p[1] = static_cast<char>(v >> 8 & 0xFF);
}

inline void Descriptor(std::string& header, const char* name, char type, int length) {
  char d[32] = {};
  std::strncpy(d, name, 10);
  d[11] = type;
  d[16] = static_cast<char>(length);
  header.append(d, 32);
}

inline std::string RatingList() {
  namespace fs = std::filesystem;
  fs::path dir = fs::temp_directory_path() / "movarel_index_bench";
  fs::create_directories(dir);
  fs::path path = dir / "fide.dbf";
  const uint64_t size = 32 + 3 * 32 + 1 + uint64_t{kPlayers} * kRecordLength + 1;
  if (fs::exists(path) && fs::file_size(path) == size) return path.string();

  std::string header(32, '\0');
  header[0] = 0x03;
  header[1] = 124, header[2] = 1, header[3] = 1;
  header[4] = static_cast<char>(kPlayers & 0xFF);
  header[5] = static_cast<char>(kPlayers >> 8 & 0xFF);
  header[6] = static_cast<char>(kPlayers >> 16 & 0xFF);
  header[7] = static_cast<char>(kPlayers >> 24 & 0xFF);
  Put16(&header[8], 32 + 3 * 32 + 1);
  Put16(&header[10], kRecordLength);
  Descriptor(header, "COD_FIDE", 'N', 10);
  Descriptor(header, "JUG", 'C', 30);
  Descriptor(header, "ELO", 'N', 4);
  header.push_back(0x0D);

  static const char* kSurnames[] = {"Garc\xED" "a", "mart\xEDnez", "L\xF3pez", "Smith", "ivanov", "Nakamura",
                                    "Carlsen", "de la Fuente", "O'Brien", "M\xFCller", "Rossi", "Kowalski"};
  static const char* kNames[] = {"Ana", "jos\xE9", "Magnus", "Li", "Olga", "Pierre", "Zo\xEB", "Ra\xFAl"};
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(header.data(), static_cast<std::streamsize>(header.size()));
  uint64_t state = 88172645463325252ull;
  char record[kRecordLength + 1];
  for (uint32_t i = 0; i < kPlayers; ++i) {
    state ^= state << 13, state ^= state >> 7, state ^= state << 17;
    char name[64];
    std::snprintf(name, sizeof name, "%s %c%c%c, %s", kSurnames[state % 12], 'a' + static_cast<int>(state >> 8) % 26,
                  'a' + static_cast<int>(state >> 16) % 26, 'a' + static_cast<int>(state >> 24) % 26,
                  kNames[(state >> 32) % 8]);
    std::snprintf(record, sizeof record, " %10u%-30.30s%4u", 1000000 + i, name,
                  1000 + static_cast<unsigned>((state >> 40) % 1800));
    out.write(record, kRecordLength);
  }
  out.put(0x1A);
  out.close();
  return path.string();
}

}  // namespace movarel::bench
