#pragma once
// The line model of a question bank: lines end at CR LF pairs that stand on character
// starts; lines are numbered from 1; a CR LF at the very end starts no further line.

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "base/text.h"

// Where every line of one text starts, so that a line is found by its number and
// the line holding an offset by a binary search. Built once per bank.
class LineIndex {
 public:
  LineIndex() = default;
  explicit LineIndex(std::string_view text);

  int count() const { return static_cast<int>(starts_.size()) - 1; }
  // Line number (1-based) of the text; empty when out of range.
  std::string_view line(std::string_view text, int number) const;
  std::size_t lineStart(int number) const { return starts_[number - 1]; }
  // Offset just past the line's last byte (before its CR LF).
  std::size_t lineEnd(int number) const { return starts_[number] - 2; }
  // Number of the line that holds offset, which must lie inside the text.
  int lineAt(std::size_t offset) const;

 private:
  // Start of each line, then where a line after the last one would start.
  std::vector<std::uint32_t> starts_{2};
};

// The text's lines, in order (views into it).
std::vector<std::string_view> splitLines(std::string_view text);

// How often each byte value occurs in a sample of a text: the search filters its
// candidates on the query's rarest bytes.
using ByteFrequencies = std::array<std::uint32_t, 256>;
ByteFrequencies sampleByteFrequencies(std::string_view text);

// The bank held by the tool: its text and what is made from it once per bank.
struct Bank {
  Text text;
  LineIndex lines;
  ByteFrequencies frequencies{};

  // Replaces the bank; when memory runs out (std::bad_alloc) the bank stays as it was.
  void assign(Text newText) {
    LineIndex newLines(newText);
    frequencies = sampleByteFrequencies(newText);
    lines = std::move(newLines);
    text = std::move(newText);
  }
  std::string_view line(int number) const { return lines.line(text, number); }
};
