#include "search/bank_file_win.h"

#include <shlwapi.h>

#include <algorithm>
#include <new>
#include <optional>

#include "search/bank_file.h"

namespace {

// A 32-bit process cannot hold more than this in one piece beside everything else.
constexpr LONGLONG kLargestBank = 1LL << 30;

std::optional<Text> readWholeFile(HANDLE file) {
  LARGE_INTEGER size;
  if (!GetFileSizeEx(file, &size) || size.QuadPart < 0 || size.QuadPart > kLargestBank) {
    return std::nullopt;
  }
  Text text;
  try {
    text.resize(static_cast<std::size_t>(size.QuadPart));
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  }
  std::size_t done = 0;
  while (done < text.size()) {
    DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(text.size() - done, 1 << 24));
    DWORD read = 0;
    if (!ReadFile(file, text.data() + done, chunk, &read, nullptr)) return std::nullopt;
    if (read == 0) break;  // the file got shorter while it was read
    done += read;
  }
  text.resize(bankExtent(std::string_view(text.data(), done)).size());
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
  std::optional<Text> text = readWholeFile(bank.file.get());
  if (!text) return bank;
  bank.readable = true;
  bank.text = std::move(*text);
  return bank;
}

Text shellPathExtension(const Text& path) { return PathFindExtensionA(path.c_str()); }
