// The bank as a user's file gives it: line splitting, search and listing together.

#include "fuzz/fuzz_input.h"
#include "search/bank_file.h"
#include "search/line_search.h"
#include "search/listing.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput input(data, size);
  std::string_view query = input.next();
  int displayLines = input.number();
  Bank bank;
  bank.assign(Text(bankExtent(input.next())));

  // The lines joined with CR LF give the bank back (a final CR LF adds no line).
  std::vector<std::string_view> lines = splitLines(bank.text);
  Text joined;
  for (std::size_t i = 0; i < lines.size(); ++i) joined.append(lines[i]).append(i + 1 < lines.size() ? "\r\n" : "");
  FUZZ_CHECK(joined == bank.text || joined + "\r\n" == bank.text);

  MatchList matches = searchBank(bank, query);
  int previous = 0, found = 0;
  for (std::int32_t match : matches) {
    if (match == 0) break;
    FUZZ_CHECK(match > previous && match <= bank.lines.count());
    FUZZ_CHECK(lineContains(bank.line(match), query));
    previous = match;
    ++found;
  }
  // Every line before the last match that is not listed does not contain the query.
  int listed = 0;
  for (int n = 1; n <= previous; ++n) {
    bool isListed = listed < found && matches[listed] == n;
    if (isListed) ++listed;
    FUZZ_CHECK(isListed || !lineContains(bank.line(n), query));
  }
  Text listing = composeListing(bank, matches, displayLines);
  FUZZ_CHECK(found == 0 ? listing == kNoMatchText : listing.starts_with(kListingHeading));
  return 0;
}
