#pragma once
// Calls 32-bit x86 code at an address known only at run time.

#include <cstdint>

// Pushes all ten arguments (left-out ones as 0), calls the routine and puts the stack
// back where it was, so routines that remove their own arguments and routines that
// leave them to the caller are equally safe with up to ten arguments.
std::uint32_t nativeCall(std::uintptr_t address, std::uint32_t a1 = 0, std::uint32_t a2 = 0,
                         std::uint32_t a3 = 0, std::uint32_t a4 = 0, std::uint32_t a5 = 0,
                         std::uint32_t a6 = 0, std::uint32_t a7 = 0, std::uint32_t a8 = 0,
                         std::uint32_t a9 = 0, std::uint32_t a10 = 0);
