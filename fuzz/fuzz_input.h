#pragma once
// Splitting one fuzz input into the several values a target needs.

#include <cstddef>
#include <cstdint>
#include <string_view>

// Hands out pieces of the input separated by the byte 0xFF 0x00 (rare in any text).
class FuzzInput {
 public:
  FuzzInput(const std::uint8_t* data, std::size_t size)
      : rest_(reinterpret_cast<const char*>(data), size) {}

  std::string_view next() {
    std::size_t end = rest_.find(std::string_view("\xFF\x00", 2));
    std::string_view piece = rest_.substr(0, end);
    rest_ = end == std::string_view::npos ? std::string_view() : rest_.substr(end + 2);
    return piece;
  }
  int number() {
    std::string_view piece = next();
    return piece.empty() ? 0 : static_cast<signed char>(piece[0]);
  }

 private:
  std::string_view rest_;
};

#define FUZZ_CHECK(condition) \
  do {                        \
    if (!(condition)) __builtin_trap(); \
  } while (0)
