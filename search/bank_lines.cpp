#include "search/bank_lines.h"

#include <algorithm>
#include <cstring>

#include "base/text_rules.h"

LineIndex::LineIndex(std::string_view text) {
  starts_.clear();
  if (text.empty()) {
    starts_.push_back(2);
    return;
  }
  starts_.push_back(0);
  CharacterStarts characterStarts(text);
  const char* data = text.data();
  std::size_t from = 1;
  while (from < text.size()) {
    const void* found = std::memchr(data + from, '\n', text.size() - from);
    if (!found) break;
    std::size_t lineFeed = static_cast<const char*>(found) - data;
    if (data[lineFeed - 1] == '\r' && characterStarts.isStart(lineFeed - 1)) {
      starts_.push_back(static_cast<std::uint32_t>(lineFeed + 1));
    }
    from = lineFeed + 1;
  }
  // After a final CR LF the start already pushed serves as the sentinel; otherwise
  // the last line ends at the text's end.
  if (starts_.back() != text.size()) starts_.push_back(static_cast<std::uint32_t>(text.size() + 2));
}

std::string_view LineIndex::line(std::string_view text, int number) const {
  if (number < 1 || number > count()) return {};
  return text.substr(lineStart(number), lineEnd(number) - lineStart(number));
}

int LineIndex::lineAt(std::size_t offset) const {
  auto after = std::upper_bound(starts_.begin(), starts_.end(), offset);
  return static_cast<int>(after - starts_.begin());
}

std::vector<std::string_view> splitLines(std::string_view text) {
  LineIndex index(text);
  std::vector<std::string_view> lines;
  lines.reserve(index.count());
  for (int number = 1; number <= index.count(); ++number) lines.push_back(index.line(text, number));
  return lines;
}

ByteFrequencies sampleByteFrequencies(std::string_view text) {
  // Evenly spaced chunks, about a megabyte in all, describe a large bank well enough.
  constexpr std::size_t kChunk = 16 << 10;
  constexpr std::size_t kChunks = 64;
  ByteFrequencies counts{};
  std::size_t step = std::max(kChunk, text.size() / kChunks);
  for (std::size_t start = 0; start < text.size(); start += step) {
    std::string_view chunk = text.substr(start, kChunk);
    for (char c : chunk) ++counts[static_cast<unsigned char>(c)];
  }
  return counts;
}
