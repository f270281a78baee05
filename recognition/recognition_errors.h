#pragma once
// The recognition service's error codes and the message shown for each.

#include <array>
#include <optional>
#include <string_view>

#include "base/text.h"

struct RecognitionError {
  const char* code;     // the decimal text of the code, compared as text
  const char* message;  // code page 936
};

// In the order in which they are tested.
extern const std::array<RecognitionError, 41> recognitionErrors;

// The message of the first row whose code equals the text exactly; none otherwise.
std::optional<Text> recognitionMessage(std::string_view code);
