// What the JSON document does to an answer before the engine sees it.

#include "fuzz/fuzz_input.h"
#include "json/json_scripts.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  FUZZ_CHECK(jsonNestingDepth(text) <= size);
  std::u16string wide(text.begin(), text.end());
  std::u16string literal = scriptStringLiteral(wide);
  // Nothing in the literal can end it: every quote is escaped, no raw line break remains.
  bool escaped = false;
  for (char16_t c : literal) {
    FUZZ_CHECK(c != u'\r' && c != u'\n' && c != 0x2028 && c != 0x2029);
    if (!escaped) FUZZ_CHECK(c != u'"');
    escaped = !escaped && c == u'\\';
  }
  FUZZ_CHECK(!escaped);
  (void)memberNamesOf(text);
  (void)splitElementPath(text);
  return 0;
}
