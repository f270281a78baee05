#include "search/listing.h"

#include "base/text_rules.h"

namespace {

std::string_view cutAt(std::string_view line, std::size_t maxBytes) {
  if (line.size() <= maxBytes) return line;
  std::size_t end = 0;
  while (end < line.size()) {
    std::size_t next = end + characterLength(line, end);
    if (next > maxBytes) break;
    end = next;
  }
  return line.substr(0, end);
}

}  // namespace

Text composeListing(const Bank& bank, const MatchList& matches, int displayLines,
                    std::size_t maxLineBytes) {
  if (matches[0] == 0) return kNoMatchText;
  const int linesPerBlock = displayLines < 1 ? 1 : displayLines;
  Text listing = kListingHeading;
  for (std::int32_t match : matches) {
    if (match == 0) break;
    for (int follow = 0; follow < linesPerBlock; ++follow) {
      listing.append("\r\n").append(cutAt(bank.line(match + follow), maxLineBytes));
    }
    listing.append(kBlockEnd);
  }
  return listing;
}
