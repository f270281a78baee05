#include "search/bank_file.h"

#include "base/text_rules.h"

Text pathExtension(std::string_view path) {
  std::size_t lastDot = std::string_view::npos;
  for (std::size_t i = 0; i < path.size(); i += characterLength(path, i)) {
    if (path[i] == '\\' || path[i] == ' ') {
      lastDot = std::string_view::npos;
    } else if (path[i] == '.') {
      lastDot = i;
    }
  }
  return lastDot == std::string_view::npos ? Text() : Text(path.substr(lastDot));
}

std::string_view bankExtent(std::string_view fileBytes) {
  return fileBytes.substr(0, fileBytes.find_first_of(std::string_view("\0\x1A", 2)));
}

Text droppedFilesText(const std::vector<Text>& paths) {
  if (paths.size() == 1) return paths.front();
  Text joined;
  for (const Text& path : paths) joined.append(path).append("\r\n");
  return joined;
}
