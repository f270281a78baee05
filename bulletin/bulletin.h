#pragma once
// The fields the tool keeps from the remote bulletin.

#include "base/text.h"

struct Bulletin {
  Text advertTitle;
  Text advertLink;
  Text latestVersion;
  Text downloadUrl;
  Text updateNotes;
  Text feedbackUrl;
};
