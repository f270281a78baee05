#pragma once
// Which lines of the bank contain a query. The search only finds; the listing formats.

#include <array>
#include <cstdint>
#include <string_view>

#include "search/bank_lines.h"

// Line numbers (1-based) of the first matching lines in bank order; 0 marks an empty entry.
using MatchList = std::array<std::int32_t, 20>;

// The containment rule for one line: the query equals the line's bytes at some
// character start, ASCII capitals folded to small letters on both sides, byte by
// byte. The empty query is contained in every non-empty line.
bool lineContains(std::string_view line, std::string_view query);

// The first 20 lines of the bank that contain the query, in bank order.
MatchList searchBank(const Bank& bank, std::string_view query);
