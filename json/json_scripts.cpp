#include "json/json_scripts.h"

#include <algorithm>
#include <cstdio>

#include "base/text_rules.h"

namespace json_scripts {

namespace {

Text concat(std::initializer_list<std::string_view> pieces) {
  Text text;
  for (std::string_view piece : pieces) text.append(piece);
  return text;
}

std::string_view quoteUnlessJson(bool asJson) { return asJson ? "" : "'"; }

}  // namespace

Text joined(std::string_view name, std::string_view path) {
  if (!path.empty() && path.front() == '[') return concat({name, path});
  return concat({name, ".", path});
}

Text dotted(std::string_view name, std::string_view path) {
  return path.empty() ? Text(name) : concat({name, ".", path});
}

Text declareEmpty(std::string_view name) { return concat({"var ", name, "={}"}); }
Text declareNull(std::string_view name) { return concat({"var ", name, "=null"}); }
Text declareArray(std::string_view name) { return concat({"var ", name, "=new Array()"}); }
Text isNotNull(std::string_view name) { return concat({"null !=", name}); }

Text toText(std::string_view name) { return concat({"JSON.stringify(", name, ")"}); }

Text setMember(std::string_view name, std::string_view member, std::string_view value,
               bool asJson) {
  if (!asJson) return concat({name, ".", member, "='", value, "'"});
  return concat({name, ".", member, "= eval(", value.empty() ? "{}" : value, ")"});
}

Text setMemberJson(std::string_view name, std::string_view member, std::string_view value) {
  return concat({name, ".", member, "= eval(", value, ")"});
}

Text setMemberNumber(std::string_view name, std::string_view member, double value) {
  return concat({name, ".", member, "=", numberText(value)});
}

Text getNumber(std::string_view name, std::string_view member) {
  return concat({name, ".", member});
}

Text getMemberJson(std::string_view name, std::string_view member) {
  return concat({"JSON.stringify(", name, ".", member, ")"});
}

Text stringifyJoined(std::string_view name, std::string_view path) {
  return concat({"JSON.stringify(", joined(name, path), ")"});
}

Text count(std::string_view name, std::string_view path) {
  return concat({"get__count(", path.empty() ? Text(name) : joined(name, path), ")"});
}

Text push(std::string_view name, std::string_view value, std::string_view path, bool asJson) {
  Text target = dotted(name, path);
  std::string_view quote = quoteUnlessJson(asJson);
  return concat({"if (Object.prototype.toString.call(", target, ") != '[object Array]') { ", target,
                 "=new Array();} ", target, ".push(", quote, value, quote, ")"});
}

Text stringifyElement(std::string_view name, std::int32_t index, std::string_view path) {
  return concat({"JSON.stringify(", dotted(name, path), "[", std::to_string(index), "])"});
}

Text elementText(std::string_view name, std::int32_t index, std::string_view path) {
  return concat({dotted(name, path), "[", std::to_string(index), "]"});
}

Text setElement(std::string_view name, std::int32_t index, std::string_view value, bool asJson) {
  std::string_view quote = quoteUnlessJson(asJson);
  return concat({name, "[", std::to_string(index), "]=", quote, value, quote});
}

Text removeElement(std::string_view name, std::int32_t index) {
  return concat({name, ".splice(", std::to_string(index), ",1)"});
}

Text setRoot(std::string_view name, std::string_view value, bool asJson) {
  std::string_view quote = quoteUnlessJson(asJson);
  return concat({name, "=", quote, value, quote});
}

Text hasMember(std::string_view name, std::string_view member) {
  return concat({name, ".", member, " !=null"});
}

Text memberList(std::string_view name, std::string_view path) {
  return concat({"var ary=''; for (var key in ", path.empty() ? Text(name) : joined(name, path),
                 ") {ary=ary+ key+','; }"});
}

Text isNull(std::string_view expression) { return concat({expression, "==null"}); }
Text typeOf(std::string_view expression) { return concat({"typeof (", expression, ")"}); }
Text clear(std::string_view name) { return concat({name, "={}"}); }

}  // namespace json_scripts

Text numberText(double value) {
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.13g", value);
  return buffer;
}

std::vector<Text> memberNamesOf(std::string_view answer) {
  Text names = replaceText(replaceText(answer, "toJSONString,", ""), "parseJSON,", "");
  return splitText(names, ",");
}

ElementPath splitElementPath(std::string_view path) {
  int open = findText(path, "[");
  if (open < 0) return {Text(), 0};
  int close = findText(path, "]", open + 1);
  std::string_view index =
      close < 0 ? std::string_view() : path.substr(open, static_cast<std::size_t>(close - open - 1));
  return {Text(path.substr(0, open - 1)), textToInt(index)};
}

std::size_t jsonNestingDepth(std::string_view text) {
  std::size_t depth = 0, deepest = 0;
  bool inString = false;
  for (std::size_t i = 0; i < text.size();) {
    char c = text[i];
    std::size_t step = characterLength(text, i);
    if (inString) {
      if (c == '\\' && i + 1 < text.size()) {
        step += characterLength(text, i + 1);  // the escaped character
      } else if (c == '"') {
        inString = false;
      }
    } else if (c == '"') {
      inString = true;
    } else if (c == '[' || c == '{') {
      deepest = std::max(deepest, ++depth);
    } else if ((c == ']' || c == '}') && depth > 0) {
      --depth;
    }
    i += step;
  }
  return deepest;
}

std::u16string scriptStringLiteral(std::u16string_view text) {
  static const char16_t kHex[] = u"0123456789abcdef";
  std::u16string literal;
  literal.reserve(text.size() + 16);
  for (char16_t c : text) {
    switch (c) {
      case u'"': literal += u"\\\""; break;
      case u'\\': literal += u"\\\\"; break;
      case u'\r': literal += u"\\r"; break;
      case u'\n': literal += u"\\n"; break;
      default:
        if (c < 0x20 || c == 0x2028 || c == 0x2029) {
          literal += u"\\u";
          for (int shift = 12; shift >= 0; shift -= 4) literal += kHex[(c >> shift) & 15];
        } else {
          literal += c;
        }
    }
  }
  return literal;
}
