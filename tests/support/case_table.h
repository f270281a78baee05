#pragma once
// Test tables: each case carries a name, used for the test's name and when printed.

#include <ostream>

namespace case_table {

struct Named {
  const char* name;
};

// Lets gtest print a case as its name instead of its bytes.
template <typename Case>
void PrintTo(const Case& c, std::ostream* out) requires requires { c.name; } {
  *out << c.name;
}

inline constexpr auto caseName = [](const auto& info) { return info.param.name; };

}  // namespace case_table
