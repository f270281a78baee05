#include "search/bank_file_win.h"

#include "search/bank_file.h"

namespace {

Text readWholeFile(HANDLE file) {
  LARGE_INTEGER size;
  if (!GetFileSizeEx(file, &size) || size.QuadPart <= 0 || size.QuadPart > 0x7FFFFFFF) return {};
  Text text(static_cast<std::size_t>(size.QuadPart), '\0');
  std::size_t done = 0;
  while (done < text.size()) {
    DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(text.size() - done, 1 << 24));
    DWORD read = 0;
    if (!ReadFile(file, text.data() + done, chunk, &read, nullptr) || read == 0) break;
    done += read;
  }
  text.resize(done);
  return text;
}

}  // namespace

OpenedBank openBank(const Text& path) {
  OpenedBank bank;
  bank.file.reset(CreateFileA(path.c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN,
                              nullptr));
  if (!bank.file) return bank;
  bank.text = readWholeFile(bank.file.get());
  bank.text.resize(bankExtent(bank.text).size());
  return bank;
}
