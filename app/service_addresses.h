#pragma once
// The bulletin endpoint and the feedback form, fixed in the program. The endpoint may be
// overridden with QUIZ_BULLETIN_URL (tests point it at a stand-in on loopback).

#include <cstdlib>

#include "base/text.h"

inline constexpr char kFeedbackUrl[] = "https://support.chengchuan-soft.com/quiz/feedback";

inline Text bulletinEndpoint() {
  const char* overridden = std::getenv("QUIZ_BULLETIN_URL");
  return overridden && *overridden ? overridden
                                   : "http://support.chengchuan-soft.com/quiz/bulletin";
}
