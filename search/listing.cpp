#include "search/listing.h"

Text composeListing(const Bank& bank, const MatchList& matches, int displayLines) {
  if (matches[0] == 0) return kNoMatchText;
  const int linesPerBlock = displayLines < 1 ? 1 : displayLines;
  Text listing = kListingHeading;
  for (std::int32_t match : matches) {
    if (match == 0) break;
    for (int follow = 0; follow < linesPerBlock; ++follow) {
      listing.append("\r\n").append(bank.line(match + follow));
    }
    listing.append(kBlockEnd);
  }
  return listing;
}
