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

// A file an editor saved in UTF-8 carries the byte-order mark; read as CP932 its
// Japanese would come out as other characters.
TEST(TextFile, Cp932ReaderRefusesAFileSavedInUtf8WithItsByteOrderMark) {
  test::TempDir dir;
  const auto utf8 = dir.WriteBytes("utf8.csv", "\xEF\xBB\xBF\xE7\xBE\xBD\xE7\x94\xB0\r\n");  // 羽田 in UTF-8
  EXPECT_EQ(ErrorOf([&] { ReadCp932TextFile(utf8); }), runtime::kInvalidFileFormat);
  const auto cp932 = dir.WriteBytes("cp932.csv", "\x89\x48\x93\x63\r\n");  // 羽田 in CP932
  EXPECT_EQ(ReadCp932TextFile(cp932), "羽田\r\n");
  // Bytes that only begin like the mark are CP932 text.
  const auto near = dir.WriteBytes("near.csv", "\xEF\xBB\x40");
  EXPECT_EQ(ReadCp932TextFile(near), ReadTextFile(near));
  EXPECT_EQ(ErrorOf([&] { ReadCp932TextFile(dir.Path() / "none.csv"); }), runtime::kFileNotFound);
}

TEST(TextFile, CharactersOutsideCp932BecomeQuestionMarks) {
  test::TempDir dir;
  WriteTextFileAtomic(dir.Path() / "x.txt", "a😀b");
  EXPECT_EQ(dir.ReadBytes("x.txt"), "a?b");
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
