#include "storage/ntx_index.h"

#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "storage/file_lock.h"

namespace movarel::storage {
namespace {

namespace fs = std::filesystem;

RecordLayout Premios() {
  return RecordLayout({{"ORDEN", 'C', 2, 0}, {"PREMIO", 'C', 8, 0}, {"CANTIDAD", 'N', 8, 0}});
}

// ORDEN, PREMIO and CANTIDAD already in their stored widths.
std::string Prize(const std::string& orden, const std::string& premio, const std::string& cantidad) {
  std::string r = " " + orden + premio + cantidad;
  EXPECT_EQ(r.size(), 19u);
  return r;
}

RecordScan ScanOf(const std::vector<std::string>& records) {
  return [&records](const RecordVisitor& visit) {
    for (size_t i = 0; i < records.size(); ++i) visit(static_cast<uint32_t>(i + 1), records[i].data());
    return Status::Ok();
  };
}

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteFile(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

uint16_t U16(const std::string& s, size_t at) {
  return static_cast<uint16_t>(static_cast<unsigned char>(s[at]) | static_cast<unsigned char>(s[at + 1]) << 8);
}
uint32_t U32(const std::string& s, size_t at) { return U16(s, at) | static_cast<uint32_t>(U16(s, at + 2)) << 16; }
void Set16(std::string& s, size_t at, uint32_t v) {
  s[at] = static_cast<char>(v & 0xFF);
  s[at + 1] = static_cast<char>(v >> 8 & 0xFF);
}
void Set32(std::string& s, size_t at, uint32_t v) {
  Set16(s, at, v & 0xFFFF);
  Set16(s, at + 2, v >> 16);
}

class NtxIndexTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("ntx_test_" + std::to_string(::getpid()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string PathOf(const std::string& name) const { return (dir_ / name).string(); }

  std::unique_ptr<NtxIndex> Build(const std::string& name, const std::string& key_text,
                                  const std::vector<std::string>& records, bool unique = false) {
    Result<KeyExpression> e = KeyExpression::Compile(key_text, "premios", Premios());
    EXPECT_TRUE(e.ok()) << e.status().message();
    Result<std::unique_ptr<NtxIndex>> index = NtxIndex::Create(PathOf(name), *e, unique, ScanOf(records));
    EXPECT_TRUE(index.ok()) << index.status().message();
    return index.ok() ? std::move(*index) : nullptr;
  }

  std::vector<uint32_t> Order(const NtxIndex& index) {
    std::vector<uint32_t> order;
    for (size_t i = 0; i < index.size(); ++i) order.push_back(index.recno(i));
    return order;
  }

  fs::path dir_;
};

std::vector<std::string> SomePrizes() {
  return {
      Prize("02", "SUB16 1 ", "     100"),  // 1
      Prize("01", "GENERAL1", "    1000"),  // 2
      Prize("01", "GENERAL2", "     500"),  // 3
      Prize("02", "SUB16 1 ", "     100"),  // 4 same key as 1
      Prize("  ", "ELO     ", "     500"),  // 5 blank order first
      Prize("03", "VETERANO", "    -250"),  // 6
  };
}

TEST(NtxMaxKeys, FollowsTheXbaseFormula) {
  // 1022 / (key + 10) - 1, less one when odd and above 2; worked by hand.
  EXPECT_EQ(NtxMaxKeysPerPage(10), 50);   // 51 - 1
  EXPECT_EQ(NtxMaxKeysPerPage(14), 40);   // 42 - 1 = 41, odd
  EXPECT_EQ(NtxMaxKeysPerPage(8), 54);    // 56 - 1 = 55, odd
  EXPECT_EQ(NtxMaxKeysPerPage(30), 24);   // 25 - 1
  EXPECT_EQ(NtxMaxKeysPerPage(45), 16);   // 18 - 1 = 17, odd
  EXPECT_EQ(NtxMaxKeysPerPage(250), 2);   // 3 - 1
  EXPECT_EQ(NtxMaxKeysPerPage(200), 2);   // 4 - 1 = 3, odd and above 2
}

TEST_F(NtxIndexTest, HeaderAndLeafBytesAreTheClipperLayout) {
  auto index = Build("prop.ntx", "premios->orden+premios->premio", SomePrizes(), /*unique=*/true);
  ASSERT_TRUE(index);
  std::string bytes = ReadFile(PathOf("prop.ntx"));
  ASSERT_EQ(bytes.size(), 2048u);  // header page and one leaf
  EXPECT_EQ(U16(bytes, 0), 0x0006);
  EXPECT_EQ(U32(bytes, 4), 1024u);  // root
  EXPECT_EQ(U32(bytes, 8), 0u);     // no free page
  EXPECT_EQ(U16(bytes, 12), 18);    // item: child + recno + 10 key bytes
  EXPECT_EQ(U16(bytes, 14), 10);
  EXPECT_EQ(U16(bytes, 16), 0);
  EXPECT_EQ(U16(bytes, 18), 50);
  EXPECT_EQ(U16(bytes, 20), 25);
  EXPECT_EQ(std::string(bytes.data() + 22), "premios->orden+premios->premio");
  EXPECT_EQ(bytes[22 + 30], '\0');
  EXPECT_EQ(bytes[278], 1);  // unique
  EXPECT_EQ(bytes[280], 0);
  EXPECT_EQ(bytes[282], 0);  // no condition
  EXPECT_EQ(bytes.find_first_not_of('\0', 282), 1024u);

  // The leaf: 5 keys (record 4 repeats record 1's key), the offset table of 51 entries,
  // items from byte 2 + 2 * 51 = 104 on, 18 bytes each.
  const size_t page = 1024;
  EXPECT_EQ(U16(bytes, page), 5);
  EXPECT_EQ(U16(bytes, page + 2), 104);
  EXPECT_EQ(U16(bytes, page + 4), 122);
  const std::vector<std::pair<uint32_t, std::string>> expected = {
      {5, "  ELO     "}, {2, "01GENERAL1"}, {3, "01GENERAL2"}, {1, "02SUB16 1 "}, {6, "03VETERANO"}};
  for (size_t i = 0; i < expected.size(); ++i) {
    size_t item = page + U16(bytes, page + 2 + 2 * i);
    EXPECT_EQ(U32(bytes, item), 0u) << i;  // a leaf has no children
    EXPECT_EQ(U32(bytes, item + 4), expected[i].first) << i;
    EXPECT_EQ(bytes.substr(item + 8, 10), expected[i].second) << i;
  }
  EXPECT_FALSE(fs::exists(PathOf("prop.ntx~")));
}

TEST_F(NtxIndexTest, UniqueIndexKeepsTheFirstRecordOfEachKey) {
  auto index = Build("tmp.ntx", "premios->orden+premios->premio", SomePrizes(), true);
  ASSERT_TRUE(index);
  EXPECT_EQ(Order(*index), (std::vector<uint32_t>{5, 2, 3, 1, 6}));
}

TEST_F(NtxIndexTest, AmountIndexOrdersLargestFirstThenOrderAndName) {
  auto index = Build("prop_c.ntx", "strzero(10000000-premios->cantidad,8)+premios->orden+premios->premio",
                     SomePrizes());
  ASSERT_TRUE(index);
  // 1000 first; the two 500s by ORDEN (blank before "01"); the two 100s by record number;
  // -250 gives 10000250, which does not fit 8 digits: asterisks sort after the digits.
  EXPECT_EQ(Order(*index), (std::vector<uint32_t>{2, 5, 3, 1, 4, 6}));
  EXPECT_EQ(index->key(0), "0999900001GENERAL1");
}

TEST_F(NtxIndexTest, ReopenedIndexHasTheSameKeysAndOrder) {
  auto written = Build("desc.ntx", "descend(premios->orden)+premios->premio", SomePrizes());
  ASSERT_TRUE(written);
  Result<std::unique_ptr<NtxIndex>> read = NtxIndex::Open(PathOf("desc.ntx"), "PREMIOS", Premios());
  ASSERT_TRUE(read.ok()) << read.status().message();
  // ORDEN descending (blank last: DESCEND of a blank is 0xE0), PREMIO ascending.
  EXPECT_EQ(Order(**read), (std::vector<uint32_t>{6, 1, 4, 2, 3, 5}));
  ASSERT_EQ((*read)->size(), written->size());
  for (size_t i = 0; i < written->size(); ++i) EXPECT_EQ((*read)->key(i), written->key(i));
  EXPECT_EQ((*read)->expression().text(), "descend(premios->orden)+premios->premio");
  EXPECT_FALSE((*read)->unique());
  EXPECT_EQ((*read)->OrderName(), "DESC");
}

TEST_F(NtxIndexTest, NumericKeyIndexSortsNegativesFirst) {
  auto index = Build("cant.ntx", "premios->cantidad", SomePrizes());
  ASSERT_TRUE(index);
  EXPECT_EQ(Order(*index), (std::vector<uint32_t>{6, 1, 4, 3, 5, 2}));
  // "    -250": blanks and the sign as "0", then 44-2 = '*', 44-5 = '\'', 44-0 = ','.
  EXPECT_EQ(index->key(0), "00000*',");
}

// Walks a written file the way another xBase reader does, checking the B-tree shape:
// every leaf at one depth, every page but the root at least half full.
struct TreeShape {
  std::vector<uint32_t> recnos;
  std::set<int> leaf_depths;
  size_t min_fill = 1000;
  int pages = 0;
};

void Walk(const std::string& bytes, uint32_t offset, int depth, bool root, TreeShape* shape) {
  ASSERT_LT(offset + 1023, bytes.size());
  shape->pages++;
  const uint16_t max = U16(bytes, 18);
  size_t n = U16(bytes, offset);
  ASSERT_LE(n, max);
  if (!root) shape->min_fill = std::min(shape->min_fill, n);
  for (size_t i = 0; i <= n; ++i) {
    size_t item = offset + U16(bytes, offset + 2 + 2 * i);
    uint32_t child = U32(bytes, item);
    if (child != 0) Walk(bytes, child, depth + 1, false, shape);
    if (child == 0 && i == 0) shape->leaf_depths.insert(depth);
    if (i < n) shape->recnos.push_back(U32(bytes, item + 4));
  }
}

TEST_F(NtxIndexTest, TenThousandKeysMakeAValidMultiLevelTree) {
  std::vector<std::string> records;
  char premio[16];
  // Record i holds 10000 - i in CANTIDAD, so key order is reverse record order.
  for (int i = 1; i <= 10000; ++i) {
    std::snprintf(premio, sizeof premio, "P%07d", (i * 7919) % 10007);
    char cantidad[16];
    std::snprintf(cantidad, sizeof cantidad, "%8d", (10000 - i) % 100000000);
    records.push_back(Prize("01", std::string(premio, 8), cantidad));
  }
  auto index = Build("big.ntx", "premios->cantidad", records);
  ASSERT_TRUE(index);
  std::string bytes = ReadFile(PathOf("big.ntx"));
  TreeShape shape;
  Walk(bytes, U32(bytes, 4), 0, true, &shape);
  ASSERT_EQ(shape.recnos.size(), 10000u);
  for (size_t i = 0; i < 10000; ++i) ASSERT_EQ(shape.recnos[i], 10000 - i) << i;
  EXPECT_EQ(shape.leaf_depths.size(), 1u);
  EXPECT_GE(*shape.leaf_depths.begin(), 2);  // 54 keys a page: three levels
  EXPECT_GE(shape.min_fill, 27u);            // half of 54
  EXPECT_EQ(bytes.size(), 1024u * (1 + shape.pages));

  Result<std::unique_ptr<NtxIndex>> read = NtxIndex::Open(PathOf("big.ntx"), "premios", Premios());
  ASSERT_TRUE(read.ok()) << read.status().message();
  ASSERT_EQ((*read)->size(), 10000u);
  for (size_t i = 0; i < 10000; ++i) ASSERT_EQ((*read)->recno(i), 10000 - i) << i;
}

TEST_F(NtxIndexTest, EveryKeyCountGivesAWellShapedTree) {
  // Around each boundary where a level gains a page (54 and 55 keys, 55 * 55 ...).
  for (int count : {0, 1, 53, 54, 55, 56, 109, 110, 111, 3024, 3025, 3026, 3080}) {
    std::vector<std::string> records;
    for (int i = 0; i < count; ++i) {
      char cantidad[16];
      std::snprintf(cantidad, sizeof cantidad, "%8d", i % 100000000);
      records.push_back(Prize("01", "X       ", cantidad));
    }
    auto index = Build("shape.ntx", "premios->cantidad", records);
    ASSERT_TRUE(index);
    std::string bytes = ReadFile(PathOf("shape.ntx"));
    TreeShape shape;
    Walk(bytes, U32(bytes, 4), 0, true, &shape);
    ASSERT_EQ(shape.recnos.size(), static_cast<size_t>(count)) << count;
    for (int i = 0; i < count; ++i) ASSERT_EQ(shape.recnos[i], static_cast<uint32_t>(i + 1)) << count;
    EXPECT_EQ(shape.leaf_depths.size(), 1u) << count;
    if (shape.pages > 1) {
      EXPECT_GE(shape.min_fill, 27u) << count;
    }
  }
}

// A hand-made index with key size 4 (72 keys a page): the root at 3072 holds "M" and
// points to leaves at 1024 ("A".."F") and 2048 ("R","Z"). In every page the items lie in
// the reverse of their logical order, so only the offset table gives the right order.
std::string HandMadeIndex() {
  const size_t item_size = 12;
  const size_t items_at = 2 + 2 * 73;
  std::string file(4096, '\0');
  Set16(file, 0, 6);
  Set16(file, 2, 1);
  Set32(file, 4, 3072);
  Set16(file, 12, item_size);
  Set16(file, 14, 4);
  Set16(file, 18, 72);
  Set16(file, 20, 36);
  std::memcpy(&file[22], "premios->premio", 15);  // PREMIO is 8 bytes: changed below
  auto page = [&](size_t at, const std::vector<std::pair<uint32_t, std::string>>& items,
                  const std::vector<uint32_t>& children) {
    size_t n = items.size();
    Set16(file, at, static_cast<uint32_t>(n));
    // Logical item i sits in physical slot (n - i).
    for (size_t i = 0; i <= n; ++i) {
      size_t slot = n - i;
      size_t offset = items_at + slot * item_size;
      Set16(file, at + 2 + 2 * i, static_cast<uint32_t>(offset));
      Set32(file, at + offset, children.empty() ? 0 : children[i]);
      if (i < n) {
        Set32(file, at + offset + 4, items[i].first);
        std::memcpy(&file[at + offset + 8], items[i].second.data(), 4);
      }
    }
  };
  page(1024, {{3, "A   "}, {1, "C   "}, {7, "F   "}}, {});
  page(2048, {{2, "R   "}, {5, "Z   "}}, {});
  page(3072, {{4, "M   "}}, {1024, 2048});
  return file;
}

RecordLayout FourByteKey() { return RecordLayout({{"PREMIO", 'C', 4, 0}}); }

TEST_F(NtxIndexTest, ForeignIndexIsReadThroughTheOffsetTable) {
  WriteFile(PathOf("hand.ntx"), HandMadeIndex());
  Result<std::unique_ptr<NtxIndex>> read = NtxIndex::Open(PathOf("hand.ntx"), "premios", FourByteKey());
  ASSERT_TRUE(read.ok()) << read.status().message();
  EXPECT_EQ(Order(**read), (std::vector<uint32_t>{3, 1, 7, 4, 2, 5}));
  EXPECT_EQ((*read)->key(3), "M   ");
  EXPECT_EQ((*read)->LowerBound("N"), 4u);
}

TEST_F(NtxIndexTest, ForeignIndexRewrittenKeepsOrderAndCountsTheVersionUp) {
  WriteFile(PathOf("hand.ntx"), HandMadeIndex());
  auto read = NtxIndex::Open(PathOf("hand.ntx"), "premios", FourByteKey());
  ASSERT_TRUE(read.ok());
  (*read)->Insert(9, "B");
  ASSERT_TRUE((*read)->Flush().ok());
  std::string bytes = ReadFile(PathOf("hand.ntx"));
  EXPECT_EQ(U16(bytes, 2), 2);
  auto again = NtxIndex::Open(PathOf("hand.ntx"), "premios", FourByteKey());
  ASSERT_TRUE(again.ok()) << again.status().message();
  EXPECT_EQ(Order(**again), (std::vector<uint32_t>{3, 9, 1, 7, 4, 2, 5}));
}

struct Damage {
  const char* name;
  void (*apply)(std::string& file);
  Status::Code code;
  const char* words;
};

class DamagedIndex : public NtxIndexTest, public ::testing::WithParamInterface<Damage> {};

TEST_P(DamagedIndex, IsRefusedWithAnErrorNamingTheFile) {
  std::string file = HandMadeIndex();
  GetParam().apply(file);
  WriteFile(PathOf("bad.ntx"), file);
  Result<std::unique_ptr<NtxIndex>> read = NtxIndex::Open(PathOf("bad.ntx"), "premios", FourByteKey());
  ASSERT_FALSE(read.ok());
  EXPECT_EQ(read.status().code(), GetParam().code) << read.status().message();
  EXPECT_NE(read.status().message().find(PathOf("bad.ntx")), std::string::npos) << read.status().message();
  EXPECT_NE(read.status().message().find(GetParam().words), std::string::npos) << read.status().message();
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, DamagedIndex,
    ::testing::Values(
        Damage{"WrongSignature", [](std::string& f) { Set16(f, 0, 0x0303); }, Status::Code::kCorrupt, "firma"},
        Damage{"TableNotIndex", [](std::string& f) { f[0] = 0x03; f[1] = 0x7C; }, Status::Code::kCorrupt, "firma"},
        Damage{"ShorterThanHeader", [](std::string& f) { f.resize(700); }, Status::Code::kCorrupt, "corto"},
        Damage{"TruncatedBeforeRoot", [](std::string& f) { f.resize(3072); }, Status::Code::kCorrupt, "3072"},
        Damage{"ChildOutOfRange",
               [](std::string& f) { Set32(f, 3072 + U16(f, 3072 + 2), 99 * 1024); }, Status::Code::kCorrupt,
               "fuera"},
        Damage{"ChildNotOnAPage",
               [](std::string& f) { Set32(f, 3072 + U16(f, 3072 + 2), 1000); }, Status::Code::kCorrupt, "fuera"},
        Damage{"CyclicPages",
               [](std::string& f) { Set32(f, 3072 + U16(f, 3072 + 4), 3072); }, Status::Code::kCorrupt, "dos veces"},
        Damage{"ItemOffsetOutsidePage",
               [](std::string& f) { Set16(f, 1024 + 2, 1020); }, Status::Code::kCorrupt, "elemento"},
        Damage{"TooManyKeysInPage", [](std::string& f) { Set16(f, 1024, 73); }, Status::Code::kCorrupt, "claves"},
        Damage{"KeysOutOfOrder",
               [](std::string& f) { f[2048 + U16(f, 2048 + 2) + 8] = 'B'; }, Status::Code::kCorrupt, "desordenadas"},
        Damage{"ItemSizeDisagrees", [](std::string& f) { Set16(f, 12, 20); }, Status::Code::kCorrupt, "elemento"},
        Damage{"KeySizeZero", [](std::string& f) { Set16(f, 14, 0); }, Status::Code::kCorrupt, "longitud"},
        Damage{"UnknownFunction",
               [](std::string& f) { std::memcpy(&f[22], "soundex(premios->premio)\0", 25); },
               Status::Code::kInvalidArgument, "soundex"},
        Damage{"UnknownField",
               [](std::string& f) { std::memcpy(&f[22], "premios->nombre\0", 16); }, Status::Code::kInvalidArgument,
               "nombre"},
        Damage{"KeySizeDisagreesWithExpression",
               [](std::string& f) { std::memcpy(&f[22], "str(premios->premio)\0", 21); },
               Status::Code::kInvalidArgument, "str"},
        Damage{"ForCondition", [](std::string& f) { std::memcpy(&f[282], "X", 1); }, Status::Code::kNotSupported,
               "FOR"}),
    [](const ::testing::TestParamInfo<Damage>& info) { return std::string(info.param.name); });

TEST_F(NtxIndexTest, MissingFileIsNotFound) {
  auto read = NtxIndex::Open(PathOf("none.ntx"), "premios", FourByteKey());
  ASSERT_FALSE(read.ok());
  EXPECT_EQ(read.status().code(), Status::Code::kNotFound);
}

TEST_F(NtxIndexTest, SearchFindsTheFirstKeyBeginningWithTheText) {
  auto index = Build("prop.ntx", "premios->orden+premios->premio", SomePrizes());
  ASSERT_TRUE(index);
  // Order: 5 "  ELO", 2 "01GENERAL1", 3 "01GENERAL2", 1 "02SUB16 1", 4 "02SUB16 1", 6 "03VETERANO".
  EXPECT_EQ(index->LowerBound("01"), 1u);
  EXPECT_EQ(index->LowerBound("01GENERAL2"), 2u);
  EXPECT_EQ(index->LowerBound("01H"), 3u);
  EXPECT_EQ(index->LowerBound("04"), 6u);
  EXPECT_EQ(index->LowerBound(""), 0u);
  // Longer than the key: nothing equals it, the next greater key follows.
  EXPECT_EQ(index->LowerBound("01GENERAL1X"), 2u);
  EXPECT_EQ(index->Find("02SUB16 1 ", 4), 4u);
  EXPECT_EQ(index->Find("02SUB16 1", 4), 4u);  // padded to the key size
  EXPECT_EQ(index->Find("02SUB16 1 ", 2), NtxIndex::npos);
}

TEST_F(NtxIndexTest, FollowsAppendsAndChangesAndWritesThemOnFlush) {
  auto index = Build("prop.ntx", "premios->orden+premios->premio", SomePrizes());
  ASSERT_TRUE(index);
  index->Insert(7, "00PRIMERO");
  index->Update(2, "01GENERAL1", "04GENERAL1");
  index->Update(99, "XX", "  AAA");  // a record not indexed before is added
  EXPECT_EQ(Order(*index), (std::vector<uint32_t>{99, 5, 7, 3, 1, 4, 6, 2}));
  std::string before = ReadFile(PathOf("prop.ntx"));
  ASSERT_TRUE(index->Flush().ok());
  EXPECT_NE(ReadFile(PathOf("prop.ntx")), before);
  auto read = NtxIndex::Open(PathOf("prop.ntx"), "premios", Premios());
  ASSERT_TRUE(read.ok()) << read.status().message();
  EXPECT_EQ(Order(**read), (std::vector<uint32_t>{99, 5, 7, 3, 1, 4, 6, 2}));
}

TEST_F(NtxIndexTest, UniqueIndexIgnoresANewRecordWithAnExistingKey) {
  auto index = Build("tmp.ntx", "premios->orden", SomePrizes(), true);
  ASSERT_TRUE(index);
  EXPECT_EQ(Order(*index), (std::vector<uint32_t>{5, 2, 1, 6}));
  index->Insert(10, "01");
  index->Insert(11, "05");
  EXPECT_EQ(Order(*index), (std::vector<uint32_t>{5, 2, 1, 6, 11}));
}

TEST_F(NtxIndexTest, SharedWriteIsRefusedWhileAnotherProgramLocksTheIndex) {
  auto index = Build("prop.ntx", "premios->orden+premios->premio", SomePrizes());
  ASSERT_TRUE(index);
  // Another open of the file holding the DOS-era index lock.
  int other = ::open(PathOf("prop.ntx").c_str(), O_RDWR);
  ASSERT_GE(other, 0);
  ASSERT_TRUE(TryLockRange(other, kRecordBase, 1, LockKind::kWrite));
  index->set_shared_access(true);
  index->Insert(8, "09");
  Status status = index->Flush();
  EXPECT_EQ(status.code(), Status::Code::kLocked) << status.message();
  ::close(other);
  EXPECT_TRUE(index->Flush().ok());
  auto read = NtxIndex::Open(PathOf("prop.ntx"), "premios", Premios());
  ASSERT_TRUE(read.ok());
  EXPECT_EQ((*read)->size(), 7u);
}

TEST_F(NtxIndexTest, SharedCreateOverALockedIndexIsRefused) {
  auto first = Build("prop.ntx", "premios->orden", SomePrizes());
  ASSERT_TRUE(first);
  int other = ::open(PathOf("prop.ntx").c_str(), O_RDWR);
  ASSERT_GE(other, 0);
  ASSERT_TRUE(TryLockRange(other, kRecordBase, 1, LockKind::kWrite));
  Result<KeyExpression> e = KeyExpression::Compile("premios->premio", "premios", Premios());
  ASSERT_TRUE(e.ok());
  std::vector<std::string> records = SomePrizes();
  auto second = NtxIndex::Create(PathOf("prop.ntx"), *e, false, ScanOf(records), /*shared_access=*/true);
  ::close(other);
  ASSERT_FALSE(second.ok());
  EXPECT_EQ(second.status().code(), Status::Code::kLocked);
  // The index the other program holds is left as it was.
  auto read = NtxIndex::Open(PathOf("prop.ntx"), "premios", Premios());
  ASSERT_TRUE(read.ok());
  EXPECT_EQ((*read)->expression().text(), "premios->orden");
}

TEST_F(NtxIndexTest, FailedScanIsReportedWithTheIndexName) {
  Result<KeyExpression> e = KeyExpression::Compile("premios->orden", "premios", Premios());
  ASSERT_TRUE(e.ok());
  auto index = NtxIndex::Create(PathOf("x.ntx"), *e, false,
                                [](const RecordVisitor&) { return Status::IoError("cuOP.dbf: lectura"); });
  ASSERT_FALSE(index.ok());
  EXPECT_NE(index.status().message().find("x.ntx"), std::string::npos);
  EXPECT_FALSE(fs::exists(PathOf("x.ntx")));
}

}  // namespace
}  // namespace movarel::storage
