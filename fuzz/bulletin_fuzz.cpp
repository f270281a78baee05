// Bulletin fields and the link rule on hostile bulletins.

#include "app/web_address.h"
#include "bulletin/bulletin.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  Bulletin bulletin = parseBulletin(text);
  for (const Text* field : {&bulletin.advertTitle, &bulletin.advertLink, &bulletin.latestVersion,
                            &bulletin.downloadUrl, &bulletin.updateNotes, &bulletin.feedbackUrl}) {
    FUZZ_CHECK(field->size() <= size);
    if (isWebAddress(*field)) {
      Text lower = toLowerAscii(field->substr(0, 8));
      FUZZ_CHECK(lower.starts_with("http://") || lower.starts_with("https://"));
    }
  }
  FUZZ_CHECK(bulletinNotice(text).size() <= size);
  FUZZ_CHECK(!announcesOtherVersion(bulletin) || bulletin.latestVersion != kOwnVersion);
  return 0;
}
