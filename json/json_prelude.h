#pragma once
// The script added to every fresh engine of a JSON document: get__count, JSON.stringify
// and a strict JSON.parse where the engine lacks them, and the two Object.prototype
// members that every object then carries.

inline constexpr int kJsonMaxDepth = 512;

extern const char kJsonPrelude[];
