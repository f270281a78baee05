#include "http/cookies.h"

#include "base/text_rules.h"

Text cookieName(std::string_view item) {
  int equals = findText(item, "=");
  return trimSpaces(equals < 0 ? item : item.substr(0, equals - 1));
}

bool hasCookieNamed(const std::vector<Text>& items, std::string_view name) {
  for (const Text& item : items) {
    if (cookieName(item) == name) return true;
  }
  return false;
}

Text mergeCookies(Text& jar, Text& fresh) {
  jar = removeSpaces(jar);
  fresh = removeSpaces(fresh);
  std::vector<Text> working = splitText(fresh, ";");
  for (Text& item : splitText(jar, ";")) {
    if (!hasCookieNamed(working, cookieName(item))) working.push_back(std::move(item));
  }
  Text merged;
  for (const Text& item : working) {
    if (!item.ends_with("=deleted")) merged.append(item).append("; ");
  }
  if (merged.size() >= 2) merged.resize(merged.size() - 2);
  jar = merged;
  return merged;
}
