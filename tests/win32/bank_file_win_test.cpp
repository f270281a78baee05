// The bank file on Windows: the shell's extension rule, and reading a bank from disk.

#include "search/bank_file_win.h"

#include <gtest/gtest.h>

#include "search/bank_file.h"
#include "tests/support/path_cases.h"

namespace {

TEST(ShellPathExtensionTest, AgreesWithThePortableRule) {
  for (const PathCase& c : pathCases()) {
    EXPECT_EQ(shellPathExtension(c.path), c.extension) << c.name;
    EXPECT_EQ(pathExtension(c.path), shellPathExtension(c.path)) << c.name;
  }
}

class BankFileTest : public testing::Test {
 protected:
  void SetUp() override {
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    path_ = Text(folder) + "题库 测试.txt";
  }
  void TearDown() override { DeleteFileA(path_.c_str()); }

  void write(const Text& bytes, DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
    SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_NORMAL);
    UniqueFile file(CreateFileA(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(file);
    DWORD written = 0;
    WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    file.reset();
    SetFileAttributesA(path_.c_str(), attributes);
  }

  Text path_;
};

TEST_F(BankFileTest, ReadsUpToTheFirstNulOrSubstitute) {
  using namespace std::string_literals;
  write("q1\r\nA\x1A" "B\0C"s);
  OpenedBank bank = openBank(path_);
  EXPECT_TRUE(bank.readable);
  EXPECT_TRUE(bank.file);
  EXPECT_EQ(bank.text, "q1\r\nA");
}

TEST_F(BankFileTest, EmptyFileIsAnEmptyBank) {
  write("");
  OpenedBank bank = openBank(path_);
  EXPECT_TRUE(bank.readable);
  EXPECT_EQ(bank.text, "");
}

TEST_F(BankFileTest, ReadOnlyFileLoads) {
  write("q\r\n", FILE_ATTRIBUTE_READONLY);
  OpenedBank bank = openBank(path_);
  EXPECT_TRUE(bank.readable);
  EXPECT_EQ(bank.text, "q\r\n");
  SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(BankFileTest, OpenIsSharedWithWriters) {
  write("q\r\n");
  OpenedBank bank = openBank(path_);
  ASSERT_TRUE(bank.readable);
  UniqueFile writer(CreateFileA(path_.c_str(), GENERIC_READ | GENERIC_WRITE,
                                FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  EXPECT_TRUE(writer);
}

TEST_F(BankFileTest, LockedOrMissingFileIsUnreadable) {
  write("q\r\n");
  UniqueFile locker(CreateFileA(path_.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  ASSERT_TRUE(locker);
  EXPECT_FALSE(openBank(path_).readable);
  locker.reset();
  DeleteFileA(path_.c_str());
  OpenedBank missing = openBank(path_);
  EXPECT_FALSE(missing.readable);
  EXPECT_FALSE(missing.file);
}

}  // namespace
