#pragma once
// The script texts a JSON document sends to its engine, composed from the variable name
// (N), member names (K), paths (P), values (V) and indexes (I), pasted in unchanged.

#include <cstdint>
#include <string_view>

#include "base/text.h"

namespace json_scripts {

// N followed by P: P right after N when it starts with "[", else N "." P.
Text joined(std::string_view name, std::string_view path);
// N "." P, or N alone for an empty P.
Text dotted(std::string_view name, std::string_view path);

Text declareEmpty(std::string_view name);  // var N={}
Text declareNull(std::string_view name);   // var N=null
Text declareArray(std::string_view name);  // var N=new Array()
Text isNotNull(std::string_view name);     // null !=N

Text toText(std::string_view name);
Text setMember(std::string_view name, std::string_view member, std::string_view value, bool asJson);
Text setMemberJson(std::string_view name, std::string_view member, std::string_view value);
Text setMemberNumber(std::string_view name, std::string_view member, double value);
Text getNumber(std::string_view name, std::string_view member);
Text getMemberJson(std::string_view name, std::string_view member);
Text stringifyJoined(std::string_view name, std::string_view path);
Text count(std::string_view name, std::string_view path);
Text push(std::string_view name, std::string_view value, std::string_view path, bool asJson);
Text stringifyElement(std::string_view name, std::int32_t index, std::string_view path);
Text elementText(std::string_view name, std::int32_t index, std::string_view path);
Text setElement(std::string_view name, std::int32_t index, std::string_view value, bool asJson);
Text removeElement(std::string_view name, std::int32_t index);
Text setRoot(std::string_view name, std::string_view value, bool asJson);
Text hasMember(std::string_view name, std::string_view member);
Text memberList(std::string_view name, std::string_view path);
Text isNull(std::string_view expression);  // E==null
Text typeOf(std::string_view expression);  // typeof (E)
Text clear(std::string_view name);

}  // namespace json_scripts

// A number as getText and setMemberNumber write it: printf's "%.13g".
Text numberText(double value);

// The member names of a memberNames answer ("a,b,"), without the two names the
// prelude adds to every object.
std::vector<Text> memberNamesOf(std::string_view answer);

// removeAt's path name[index]: the part before the first "[" and the index between it
// and the next "]" (0 when that is no number).
struct ElementPath {
  Text base;
  std::int32_t index;
};
ElementPath splitElementPath(std::string_view path);

// The deepest nesting of arrays and objects in a JSON text, outside its strings.
std::size_t jsonNestingDepth(std::string_view text);

// The text as the body of a double-quoted script string literal: quotes, backslashes,
// CR, LF, U+2028, U+2029 and every control character escaped. UTF-16 in and out.
std::u16string scriptStringLiteral(std::u16string_view text);
