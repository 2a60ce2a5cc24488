// The table layer under the two loads that matter: a full player table read and rewritten
// (what every standings computation does), and opening and reading a rating list the size
// of FIDE's (about 1.5 million players, 100 MB).

#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "storage/dbf_file.h"
#include "storage/files.h"
#include "storage/workspace.h"

namespace movarel::storage {
namespace {

std::string ScratchPath(const std::string& name) {
  static const std::filesystem::path folder = [] {
    auto path = std::filesystem::temp_directory_path() / ("movarel_table_bench_" + std::to_string(getpid()));
    std::filesystem::create_directories(path);
    std::atexit([] {
      std::error_code ignored;
      std::filesystem::remove_all(std::filesystem::temp_directory_path() /
                                      ("movarel_table_bench_" + std::to_string(getpid())),
                                  ignored);
    });
    return path;
  }();
  return (folder / name).string();
}

// The player table as the current template lays it out: 111 fields, about 600 bytes.
std::vector<FieldDef> PlayerFields() {
  std::vector<FieldDef> f = {{"NUM", 'N', 3, 0},      {"JUG", 'C', 30, 0},     {"LIC", 'C', 6, 0},
                             {"BAJA", 'L', 1, 0},     {"ELOFIDE", 'N', 4, 0},  {"ELOFEDA", 'N', 4, 0},
                             {"ELO", 'N', 4, 0},      {"K", 'N', 2, 0},        {"CLUB", 'C', 15, 0},
                             {"CAT", 'C', 1, 0},      {"PTOS", 'N', 4, 1},     {"PUESTO", 'N', 3, 0},
                             {"VAR_ELO", 'N', 6, 1},  {"COD_PAIS", 'C', 3, 0}, {"AUTONOMIA", 'C', 3, 0},
                             {"COD_FIDE", 'C', 8, 0}, {"COD_FEDA", 'C', 8, 0}, {"FECHA_NAC", 'D', 8, 0},
                             {"SEXO", 'C', 1, 0}};
  for (int round = 1; round <= 15; ++round) {
    std::string n = "R" + std::to_string(round);
    f.push_back({n + "J", 'N', 3, 0});
    for (const char* letter : {"C", "P", "I", "F"}) f.push_back({n + letter, 'C', 1, 0});
  }
  for (const char* name : {"ACUM", "ACU_1", "ACU_2", "ACU_3", "ACU_4", "ACU_5", "ACU_6", "BUC_T", "BUC_R", "ELO_M",
                           "SONEN"}) {
    f.push_back({name, 'N', 6, 1});
  }
  f.push_back({"N_VIC", 'N', 2, 0});
  f.push_back({"PREMIOS", 'C', 10, 0});
  for (const char* name : {"ACU_7", "ACU_8", "ACU_9", "BUC_B"}) f.push_back({name, 'N', 6, 1});
  return f;
}

// The fields a standings computation writes back for every player.
const char* const kComputed[] = {"PTOS",  "PUESTO", "VAR_ELO", "ACUM",  "ACU_1", "ACU_2", "ACU_3",
                                 "ACU_4", "ACU_5",  "ACU_6",   "ACU_7", "ACU_8", "ACU_9", "BUC_T",
                                 "BUC_R", "BUC_B",  "ELO_M",   "SONEN", "N_VIC"};

const std::string& PlayerTable() {
  static const std::string path = [] {
    std::string p = ScratchPath("cuBENCH.dbf");
    std::vector<FieldDef> fields = PlayerFields();
    if (!CreateTable(p, fields).ok()) std::abort();
    Workspace ws;
    Table* t = *ws.Use(p, "cuadro", false);
    for (int i = 1; i <= 999; ++i) {
      if (!t->Append().ok()) std::abort();
      if (!t->Put("NUM", static_cast<double>(i)).ok()) std::abort();
      if (!t->Put("JUG", "JUGADOR NUMERO " + std::to_string(i) + ", NOMBRE").ok()) std::abort();
      if (!t->Put("ELOFIDE", 1400.0 + i).ok()) std::abort();
      if (!t->Put("CLUB", std::string("CLUB DE AJEDREZ")).ok()) std::abort();
      if (!t->Put("FECHA_NAC", Date{1980, 1 + i % 12, 1 + i % 28}).ok()) std::abort();
      for (int round = 1; round <= 9; ++round) {
        std::string n = "R" + std::to_string(round);
        if (!t->Put(n + "J", static_cast<double>(1 + (i + round) % 999)).ok()) std::abort();
        if (!t->Put(n + "C", std::string(round % 2 ? "B" : "N")).ok()) std::abort();
        if (!t->Put(n + "P", std::string((i + round) % 3 ? "1" : "\xBD")).ok()) std::abort();
      }
    }
    return p;
  }();
  return path;
}

// Every field of every record read by name, then the computed fields written back.
void BM_PlayerTableReadAllAndRewriteComputed(benchmark::State& state) {
  Workspace ws;
  Table* t = *ws.Use(PlayerTable(), "cuadro", false);
  std::vector<std::string> names;
  for (const FieldDef& f : t->fields()) names.push_back(f.name);
  double sum = 0;
  for (auto _ : state) {
    for (t->GoTop(); !t->Eof(); t->Skip()) {
      for (const std::string& name : names) {
        Value v = t->Get(name);
        if (const double* d = std::get_if<double>(&v)) sum += *d;
      }
      double value = t->RecNo() * 0.5;
      for (const char* name : kComputed) if (!t->Put(name, value).ok()) std::abort();
    }
  }
  benchmark::DoNotOptimize(sum);
  state.counters["records"] = t->LastRec();
  state.counters["fields"] = static_cast<double>(names.size());
}
BENCHMARK(BM_PlayerTableReadAllAndRewriteComputed)->Unit(benchmark::kMillisecond);

// The same read through the typed getters the tournament code uses (GetNumber, GetText...).
void BM_PlayerTableReadAllTypedAndRewriteComputed(benchmark::State& state) {
  Workspace ws;
  Table* t = *ws.Use(PlayerTable(), "cuadro", false);
  std::vector<FieldDef> fields = t->fields();
  double sum = 0;
  for (auto _ : state) {
    for (t->GoTop(); !t->Eof(); t->Skip()) {
      for (const FieldDef& f : fields) {
        switch (f.type) {
          case 'N': sum += t->GetNumber(f.name); break;
          case 'C': sum += t->GetText(f.name).size(); break;
          case 'D': sum += t->GetDate(f.name).day; break;
          default: sum += t->GetLogical(f.name); break;
        }
      }
      double value = t->RecNo() * 0.5;
      for (const char* name : kComputed) if (!t->Put(name, value).ok()) std::abort();
    }
  }
  benchmark::DoNotOptimize(sum);
}
BENCHMARK(BM_PlayerTableReadAllTypedAndRewriteComputed)->Unit(benchmark::kMillisecond);

// Every field of every record read and written back, whatever its type.
void BM_PlayerTableReadAndRewriteEveryField(benchmark::State& state) {
  Workspace ws;
  Table* t = *ws.Use(PlayerTable(), "cuadro", false);
  std::vector<std::string> names;
  for (const FieldDef& f : t->fields()) names.push_back(f.name);
  for (auto _ : state) {
    for (t->GoTop(); !t->Eof(); t->Skip()) {
      for (const std::string& name : names) if (!t->Put(name, t->Get(name)).ok()) std::abort();
    }
  }
}
BENCHMARK(BM_PlayerTableReadAndRewriteEveryField)->Unit(benchmark::kMillisecond);

// The same with opening and closing the table (and its OS lock) inside the timing.
void BM_PlayerTableOpenReadRewriteClose(benchmark::State& state) {
  for (auto _ : state) {
    Workspace ws;
    Table* t = *ws.Use(PlayerTable(), "cuadro", false);
    for (t->GoTop(); !t->Eof(); t->Skip()) {
      benchmark::DoNotOptimize(t->GetText("JUG"));
      for (const char* name : kComputed) if (!t->Put(name, 1.5).ok()) std::abort();
    }
  }
}
BENCHMARK(BM_PlayerTableOpenReadRewriteClose)->Unit(benchmark::kMillisecond);

constexpr uint32_t kRatingListPlayers = 1'500'000;

// A FIDE list: identification, name, rating and the usual companions, 65 bytes a record.
const std::string& RatingList() {
  static const std::string path = [] {
    std::string p = ScratchPath("FIDE.DBF");
    RecordLayout layout({{"COD_FIDE", 'N', 10, 0},
                         {"JUG", 'C', 30, 0},
                         {"ELO", 'N', 4, 0},
                         {"COD_PAIS", 'C', 3, 0},
                         {"SEXO", 'C', 1, 0},
                         {"TITULO", 'C', 3, 0},
                         {"FECHA_NAC", 'D', 8, 0},
                         {"PARTIDAS", 'N', 3, 0},
                         {"K", 'N', 2, 0}});
    auto temp = CreateTempBeside(p);
    DbfWriter writer(temp->fd, p, layout);
    std::string record(layout.record_length(), ' ');
    char text[80];
    for (uint32_t i = 0; i < kRatingListPlayers; ++i) {
      uint32_t id = 100000 + i * 7;
      std::snprintf(text, sizeof text, " %10u%-30.30s%4u%-3s%c%-3s%04u%02u%02u%3u%2u", id,
                    ("Surname" + std::to_string(id % 99991) + ", Name").c_str(), 1000 + id % 1800, "ESP",
                    i % 3 ? 'M' : 'F', i % 50 ? "" : "FM", 1950 + i % 60, 1 + i % 12, 1 + i % 28, i % 100, 20);
      std::memcpy(record.data(), text, record.size());
      if (!writer.Add(record.data()).ok()) std::abort();
    }
    if (!writer.Finish().ok()) std::abort();
    close(temp->fd);
    if (!ReplaceWithTemp(temp->path, p).ok()) std::abort();
    return p;
  }();
  return path;
}

double PeakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024.0;
}

// Opening the list and handing every record's bytes to a reader (the index builder's path).
void BM_RatingListOpenAndScan(benchmark::State& state) {
  const std::string& path = RatingList();
  uint64_t sum = 0;
  for (auto _ : state) {
    Workspace ws;
    Table* t = *ws.Use(path, "ffide", true, true);
    Status s = t->Scan([&](uint32_t, const char* record) { sum += static_cast<unsigned char>(record[41]); });
    if (!s.ok()) state.SkipWithError(s.message().c_str());
  }
  benchmark::DoNotOptimize(sum);
  state.counters["MB"] = std::filesystem::file_size(path) / 1e6;
  state.counters["peak_rss_MB"] = PeakMegabytes();
}
BENCHMARK(BM_RatingListOpenAndScan)->Unit(benchmark::kMillisecond);

// Opening the list and walking it record by record through the table, reading two fields.
void BM_RatingListOpenAndSkipThrough(benchmark::State& state) {
  const std::string& path = RatingList();
  double sum = 0;
  for (auto _ : state) {
    Workspace ws;
    Table* t = *ws.Use(path, "ffide", true, true);
    for (t->GoTop(); !t->Eof(); t->Skip()) {
      sum += t->GetNumber("ELO");
      benchmark::DoNotOptimize(t->GetText("JUG"));
    }
  }
  benchmark::DoNotOptimize(sum);
  state.counters["peak_rss_MB"] = PeakMegabytes();
}
BENCHMARK(BM_RatingListOpenAndSkipThrough)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace movarel::storage
