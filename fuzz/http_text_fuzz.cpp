// URL splitting, cookie merging and the raw-header scan on hostile text.

#include "base/text_rules.h"
#include "fuzz/fuzz_input.h"
#include "http/cookies.h"
#include "http/request_parts.h"
#include "http/url_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput input(data, size);
  std::string_view url = input.next();
  Text jar(input.next()), fresh(input.next());
  std::string_view raw = input.next();

  // No "/" starts a character of the host (one may be the second byte of a character).
  Text host = hostOf(url);
  FUZZ_CHECK(findText(host, "/") < 0);
  (void)portOf(url);
  Text path = pathOf(url);
  FUZZ_CHECK(!path.empty());
  (void)textBetween(raw, url, jar);

  Text merged = mergeCookies(jar, fresh);
  FUZZ_CHECK(merged == jar);
  FUZZ_CHECK(findText(fresh, " ") < 0);

  ResponseHeaders headers = scanRawHeaders(raw);
  FUZZ_CHECK(!headers.location.empty() || raw.empty());
  // A "Set-Cookie" line without the colon adds an empty entry, so no more than this holds.
  FUZZ_CHECK(headers.newCookies.size() <= raw.size());
  Text block = composeHeaderBlock(raw, url, jar);
  FUZZ_CHECK(block.starts_with(raw));
  (void)agentFor(raw);
  return 0;
}
