#pragma once
// The remote bulletin: a text with tagged fields, and what the tool keeps of it.

#include <string_view>

#include "base/text.h"

// The tool's own version, as the bulletin's latest version is compared with it.
inline constexpr char kOwnVersion[] = "1.0";
// The advertisement title that means there is none.
inline constexpr char kNoAdvert[] = "暂无广告";

struct Bulletin {
  Text advertTitle;
  Text advertLink;
  Text latestVersion;
  Text downloadUrl;
  Text updateNotes;
  Text feedbackUrl;
};

// Each field is the text between the first start marker and the first end marker after
// it; nothing is trimmed. A missing pair gives an empty field.
Bulletin parseBulletin(std::string_view text);
Text bulletinNotice(std::string_view text);

// True when the advertisement link is to be shown.
bool showsAdvert(const Bulletin& bulletin);
// True when the bulletin names a version other than the tool's own (a plain inequality
// of texts; an empty version names none).
bool announcesOtherVersion(const Bulletin& bulletin);
