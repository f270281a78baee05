#pragma once
// The two value types every subsystem passes around.

#include <cstdint>
#include <string>
#include <vector>

// A byte string in code page 936 (GBK): single bytes below 0x80, and two-byte
// characters whose lead byte is 0x80 or above. Held by value.
using Text = std::string;

// A byte array with its length, held by value.
using Bytes = std::vector<std::uint8_t>;

inline bool isLeadByte(char c) { return static_cast<unsigned char>(c) >= 0x80; }

inline Bytes bytesOf(const Text& text) { return Bytes(text.begin(), text.end()); }
inline Text textOf(const Bytes& bytes) { return Text(bytes.begin(), bytes.end()); }
