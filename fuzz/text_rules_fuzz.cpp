// The shared text rules against their definitions.

#include "base/text_rules.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput input(data, size);
  std::string_view text = input.next();
  std::string_view part = input.next();
  int start = input.number();

  int found = findText(text, part, start, false);
  if (found > 0) {
    FUZZ_CHECK(text.substr(found - 1, part.size()) == part);
    CharacterStarts starts(text);
    FUZZ_CHECK(starts.isStart(static_cast<std::size_t>(found - 1)));
  }
  int folded = findText(text, part, start, true);
  FUZZ_CHECK(folded < 0 || folded <= found || found < 0);

  Text trimmed = trimSpaces(text);
  FUZZ_CHECK(trimmed.size() <= text.size());
  FUZZ_CHECK(trimSpaces(trimmed) == trimmed);
  Text bare = removeSpaces(text);
  FUZZ_CHECK(removeSpaces(bare) == bare);

  std::vector<Text> pieces = splitText(text, part);
  if (!part.empty() && !text.empty()) {
    Text joined;
    for (std::size_t i = 0; i < pieces.size(); ++i) joined += (i ? Text(part) : Text()) + pieces[i];
    FUZZ_CHECK(joined == text || joined + Text(part) == text);
  }
  FUZZ_CHECK(replaceText(text, part, part) == text);
  (void)textToInt(text);
  return 0;
}
