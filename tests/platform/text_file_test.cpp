#include "platform/text_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

#include "runtime/runtime_error.h"
#include "support/temp_dir.h"

namespace vx::platform {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Entries(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

int ErrorOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const runtime::RuntimeError& e) {
    return e.Number();
  }
  return 0;
}

TEST(TextFile, WritesJapaneseAsCp932WithCrLfAndReadsItBack) {
  test::TempDir dir;
  const auto file = dir.Path() / "a.cfg";
  const std::vector<std::string> lines = {"空港db.csv", "機長", "①～－", ""};
  WriteTextLinesAtomic(file, lines);
  // Bytes written by hand from the CP932 code table.
  EXPECT_EQ(dir.ReadBytes("a.cfg"),
            "\x8b\xf3\x8d\x60"
            "db.csv\r\n"
            "\x8b\x40\x92\xb7\r\n"
            "\x87\x40\x81\x60\x81\x7c\r\n"
            "\r\n");
  EXPECT_EQ(ReadTextLines(file), lines);
  EXPECT_EQ(ReadTextFile(file), "空港db.csv\r\n機長\r\n①～－\r\n\r\n");
}

// A file that is not CP932 text is refused, naming the first line that does not read:
// read as CP932, UTF-8 Japanese would come out as other characters (mostly without a
// single byte CP932 lacks). ASCII and CP932 files read as ever.
struct Cp932Case {
  const char* name;
  std::string bytes;
  std::size_t line;  // 0: read
  bool utf8;
};
void PrintTo(const Cp932Case& c, std::ostream* os) { *os << c.name; }

class Cp932ReaderTest : public ::testing::TestWithParam<Cp932Case> {};

TEST_P(Cp932ReaderTest, RefusesWhatIsNotCp932TextNamingItsFirstLine) {
  test::TempDir dir;
  const auto file = dir.WriteBytes("t.csv", GetParam().bytes);
  if (GetParam().line == 0) {
    EXPECT_EQ(ReadCp932TextFile(file), ReadTextFile(file));
    return;
  }
  try {
    ReadCp932TextFile(file);
    ADD_FAILURE() << "read";
  } catch (const NotCp932TextError& e) {
    EXPECT_EQ(e.Number(), runtime::kInvalidFileFormat);
    EXPECT_EQ(e.Line(), GetParam().line);
    EXPECT_EQ(e.Utf8(), GetParam().utf8);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Files, Cp932ReaderTest,
    ::testing::Values(
        Cp932Case{"Cp932", "\x89\x48\x93\x63\r\n\xB6\xC5\r\n", 0, false},  // 羽田, ｶﾅ
        Cp932Case{"Ascii", "RJTT,Haneda\r\n=1\r\n", 0, false},
        Cp932Case{"Empty", "", 0, false},
        Cp932Case{"Utf8Bom", "\xEF\xBB\xBF\xE7\xBE\xBD\xE7\x94\xB0\r\n", 1, true},
        // ポケモンジェット in UTF-8 on the third line.
        Cp932Case{"Utf8", "; a\r\n=1\r\n=\xE3\x83\x9D\xE3\x82\xB1\xE3\x83\xA2\xE3\x83\xB3\xE3\x82\xB8"
                  "\xE3\x82\xA7\xE3\x83\x83\xE3\x83\x88\r\n", 3, true},
        Cp932Case{"Utf8AfterLoneLineEnds", "a\rb\nc\r\n\xC3\xA9", 4, true},           // é
        Cp932Case{"UndefinedByte", "a\r\n\x89\x48\r\nb\x80\r\n", 3, false},        // 0x80 begins nothing
        Cp932Case{"UnassignedPair", "\xEF\xBB\x40", 1, false},                      // begins like the mark
        Cp932Case{"LeadByteAtTheEnd", "a\r\n\r\n\x81", 3, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TextFile, Cp932ReaderRaisesFileErrorsAsTheOtherReaders) {
  test::TempDir dir;
  EXPECT_EQ(ErrorOf([&] { ReadCp932TextFile(dir.Path() / "none.csv"); }), runtime::kFileNotFound);
}

// A character CP932 lacks is never written as "?": the write is refused before the file
// is touched, naming the character. Reports alone keep the "?".
TEST(TextFile, ACharacterCp932LacksRefusesTheWriteAndTheFileStays) {
  test::TempDir dir;
  dir.WriteBytes("x.txt", "old\r\n");
  try {
    WriteTextLinesAtomic(dir.Path() / "x.txt", {"a", "a😀b"});
    ADD_FAILURE() << "written";
  } catch (const runtime::RuntimeError& e) {
    EXPECT_NE(e.Text().find("「😀」"), std::string::npos) << e.Text();
  }
  EXPECT_EQ(dir.ReadBytes("x.txt"), "old\r\n");
  EXPECT_EQ(Entries(dir.Path()), std::vector<std::string>{"x.txt"});
  WriteReportLinesAtomic(dir.Path() / "r.txt", {"a😀b"});
  EXPECT_EQ(dir.ReadBytes("r.txt"), "a?b\r\n");
}

TEST(TextFile, BadBytesDecodeToReplacementCharacter) {
  test::TempDir dir;
  const auto file = dir.WriteBytes("bad.txt", "A\x82\r\nB\x82");
  EXPECT_EQ(ReadTextLines(file), (std::vector<std::string>{"A\xEF\xBF\xBD", "B\xEF\xBF\xBD"}));
}

TEST(TextFile, LinesSplitAtEveryKindOfLineEnd) {
  test::TempDir dir;
  struct Case {
    std::string bytes;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"", {}},
      {"a", {"a"}},
      {"a\r\n", {"a"}},
      {"a\r\nb\rc\nd", {"a", "b", "c", "d"}},
      {"\r\n\r\n", {"", ""}},
      {"a\n\rb", {"a", "", "b"}},
  };
  for (const auto& c : cases) {
    const auto file = dir.WriteBytes("l.txt", c.bytes);
    EXPECT_EQ(ReadTextLines(file), c.lines) << c.bytes;
  }
}

TEST(TextFile, AtomicReplaceLeavesNoTemporaryFilesAndKeepsReadersOnTheOldText) {
  test::TempDir dir;
  const auto file = dir.Path() / "VexlorPro.cfg";
  WriteTextFileAtomic(file, "old\r\n");
  std::ifstream reader(file, std::ios::binary);  // opened before the replace
  WriteTextFileAtomic(file, "新しい\r\n");
  std::ostringstream seen;
  seen << reader.rdbuf();
  EXPECT_EQ(seen.str(), "old\r\n");
  EXPECT_EQ(ReadTextFile(file), "新しい\r\n");
  EXPECT_EQ(Entries(dir.Path()), (std::vector<std::string>{"VexlorPro.cfg"}));
}

TEST(TextFile, AReplacedFileKeepsItsModeAndAReadOnlyFileIsNotReplaced) {
  test::TempDir dir;
  const auto file = dir.Path() / "VexlorPro.cfg";
  WriteTextFileAtomic(file, "old\r\n");
  ::chmod(file.c_str(), 0640);
  WriteTextFileAtomic(file, "new\r\n");
  struct stat st{};
  ASSERT_EQ(::stat(file.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);

  ::chmod(file.c_str(), 0444);
  EXPECT_EQ(ErrorOf([&] { WriteTextFileAtomic(file, "lost\r\n"); }), runtime::kPermissionDenied);
  EXPECT_EQ(ReadBinaryFile(file), "new\r\n");
  ASSERT_EQ(::stat(file.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0444u);
  EXPECT_EQ(Entries(dir.Path()), (std::vector<std::string>{"VexlorPro.cfg"}));
}

TEST(TextFile, AReadOnlyFileIsKeptUntilItMayBeWrittenAgain) {
  test::TempDir dir;
  const auto file = dir.Path() / "空港db.csv";
  WriteTextFileAtomic(file, "old\r\n");
  fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  EXPECT_EQ(ErrorOf([&] { WriteTextFileAtomic(file, "new\r\n"); }), runtime::kPermissionDenied);
  EXPECT_EQ(ReadTextFile(file), "old\r\n");
  EXPECT_EQ(Entries(dir.Path()), (std::vector<std::string>{"空港db.csv"}));
  fs::permissions(file, fs::perms::owner_write, fs::perm_options::add);
  WriteTextFileAtomic(file, "new\r\n");
  EXPECT_EQ(ReadTextFile(file), "new\r\n");
}

TEST(TextFile, FailedWriteLeavesNothingBehind) {
  test::TempDir dir;
  fs::create_directory(dir.Path() / "folder");
  EXPECT_EQ(ErrorOf([&] { WriteTextFileAtomic(dir.Path() / "missing" / "a.txt", "x"); }), runtime::kPathNotFound);
  // Renaming onto a folder fails after the temporary file was written.
  EXPECT_NE(ErrorOf([&] { WriteTextFileAtomic(dir.Path() / "folder", "x"); }), 0);
  EXPECT_EQ(Entries(dir.Path()), (std::vector<std::string>{"folder"}));
  EXPECT_TRUE(fs::is_empty(dir.Path() / "folder"));
}

TEST(TextFile, AppendCreatesThenAppendsInCp932) {
  test::TempDir dir;
  const auto file = dir.Path() / "FlightReport.csv";
  AppendTextFile(file, "便名,機長\r\n");
  AppendTextFile(file, "JA123,山田\r\n");
  EXPECT_EQ(dir.ReadBytes("FlightReport.csv"), "\x95\xd6\x96\xbc,\x8b\x40\x92\xb7\r\nJA123,\x8e\x52\x93\x63\r\n");
  EXPECT_EQ(ErrorOf([&] { AppendTextFile(dir.Path() / "no" / "x.csv", "a"); }), runtime::kPathNotFound);
}

TEST(TextFile, ReadErrorsCarryTheRuntimeErrorNumbers) {
  test::TempDir dir;
  fs::create_directory(dir.Path() / "sub");
  EXPECT_EQ(ErrorOf([&] { ReadTextFile(dir.Path() / "none.cfg"); }), runtime::kFileNotFound);
  EXPECT_EQ(ErrorOf([&] { ReadTextLines(dir.Path() / "none" / "x.cfg"); }), runtime::kPathNotFound);
  EXPECT_EQ(ErrorOf([&] { ReadBinaryFile(dir.Path() / "sub"); }), runtime::kPathFileAccessError);
  if (::geteuid() != 0) {
    const auto locked = dir.WriteBytes("locked.cfg", "x");
    ::chmod(locked.c_str(), 0);
    EXPECT_EQ(ErrorOf([&] { ReadTextFile(locked); }), runtime::kPermissionDenied);
  }
}

TEST(TextFile, BinaryReadKeepsEveryByte) {
  test::TempDir dir;
  std::string bytes;
  for (int i = 0; i < 200000; ++i) bytes += static_cast<char>(i * 7);
  const auto file = dir.WriteBytes("a.wav", bytes);
  EXPECT_EQ(ReadBinaryFile(file), bytes);
}

}  // namespace
}  // namespace vx::platform
