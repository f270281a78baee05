#include "skin/native_call_win.h"

std::uint32_t nativeCall(std::uintptr_t address, std::uint32_t a1, std::uint32_t a2,
                         std::uint32_t a3, std::uint32_t a4, std::uint32_t a5, std::uint32_t a6,
                         std::uint32_t a7, std::uint32_t a8, std::uint32_t a9, std::uint32_t a10) {
  const std::uint32_t arguments[10] = {a1, a2, a3, a4, a5, a6, a7, a8, a9, a10};
  std::uint32_t result;
  // edi keeps the stack position across the call (the routine preserves it); the
  // arguments are pushed from memory through a register, never relative to esp.
  asm volatile(
      "movl %%esp, %%edi\n\t"
      "pushl 36(%[arguments])\n\t"
      "pushl 32(%[arguments])\n\t"
      "pushl 28(%[arguments])\n\t"
      "pushl 24(%[arguments])\n\t"
      "pushl 20(%[arguments])\n\t"
      "pushl 16(%[arguments])\n\t"
      "pushl 12(%[arguments])\n\t"
      "pushl 8(%[arguments])\n\t"
      "pushl 4(%[arguments])\n\t"
      "pushl 0(%[arguments])\n\t"
      "call *%[routine]\n\t"
      "movl %%edi, %%esp\n\t"
      : "=a"(result)
      : [routine] "r"(address), [arguments] "r"(arguments)
      : "ecx", "edx", "edi", "memory", "cc");
  return result;
}
