#include "search/probe_scan.h"

#if defined(__SSE2__)
#include <immintrin.h>
#endif

namespace {

std::size_t scanScalar(const char* data, std::size_t from, std::size_t end, const ProbePair& p) {
  for (std::size_t i = from; i < end; ++i) {
    if (p.first.matches(data[i + p.firstAt]) && p.second.matches(data[i + p.secondAt])) return i;
  }
  return end;
}

#if defined(__SSE2__)

// The hardware prefetcher alone leaves the scan well short of memory bandwidth; asking
// for the bytes a kilobyte ahead closes the gap. Prefetches never fault.
inline void prefetchAhead(const char* at, std::size_t bytes) {
  for (std::size_t line = 0; line < bytes; line += 64) {
    _mm_prefetch(at + 1024 + line, _MM_HINT_T0);
  }
}

std::size_t scanSse2(const char* data, std::size_t from, std::size_t end, const ProbePair& p) {
  const __m128i firstValue = _mm_set1_epi8(static_cast<char>(p.first.value));
  const __m128i firstCase = _mm_set1_epi8(static_cast<char>(p.first.caseBit));
  const __m128i secondValue = _mm_set1_epi8(static_cast<char>(p.second.value));
  const __m128i secondCase = _mm_set1_epi8(static_cast<char>(p.second.caseBit));
  auto hits = [&](std::size_t at) {
    __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + at + p.firstAt));
    __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + at + p.secondAt));
    return _mm_and_si128(_mm_cmpeq_epi8(_mm_or_si128(a, firstCase), firstValue),
                         _mm_cmpeq_epi8(_mm_or_si128(b, secondCase), secondValue));
  };
  std::size_t i = from;
  // Four blocks are tested together while none holds a hit.
  for (; i + 64 <= end; i += 64) {
    prefetchAhead(data + i, 64);
    __m128i any = _mm_or_si128(_mm_or_si128(hits(i), hits(i + 16)),
                               _mm_or_si128(hits(i + 32), hits(i + 48)));
    if (_mm_movemask_epi8(any)) break;
  }
  for (; i + 16 <= end; i += 16) {
    if (unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(hits(i)))) {
      return i + __builtin_ctz(mask);
    }
  }
  return scanScalar(data, i, end, p);
}

__attribute__((target("avx2"))) std::size_t scanAvx2(const char* data, std::size_t from,
                                                     std::size_t end, const ProbePair& p) {
  const __m256i firstValue = _mm256_set1_epi8(static_cast<char>(p.first.value));
  const __m256i firstCase = _mm256_set1_epi8(static_cast<char>(p.first.caseBit));
  const __m256i secondValue = _mm256_set1_epi8(static_cast<char>(p.second.value));
  const __m256i secondCase = _mm256_set1_epi8(static_cast<char>(p.second.caseBit));
  auto hits = [&](std::size_t at) __attribute__((target("avx2"))) {
    __m256i a = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(data + at + p.firstAt));
    __m256i b = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(data + at + p.secondAt));
    return _mm256_and_si256(_mm256_cmpeq_epi8(_mm256_or_si256(a, firstCase), firstValue),
                            _mm256_cmpeq_epi8(_mm256_or_si256(b, secondCase), secondValue));
  };
  std::size_t i = from;
  // Four blocks are tested together while none holds a hit.
  for (; i + 128 <= end; i += 128) {
    prefetchAhead(data + i, 128);
    __m256i any = _mm256_or_si256(_mm256_or_si256(hits(i), hits(i + 32)),
                                  _mm256_or_si256(hits(i + 64), hits(i + 96)));
    if (_mm256_movemask_epi8(any)) break;
  }
  for (; i + 32 <= end; i += 32) {
    if (unsigned mask = static_cast<unsigned>(_mm256_movemask_epi8(hits(i)))) {
      return i + __builtin_ctz(mask);
    }
  }
  return scanSse2(data, i, end, p);
}

#endif

using Scan = std::size_t (*)(const char*, std::size_t, std::size_t, const ProbePair&);

Scan scanOf(ProbeScanKind kind) {
  switch (kind) {
#if defined(__SSE2__)
    case ProbeScanKind::avx2:
      return scanAvx2;
    case ProbeScanKind::sse2:
      return scanSse2;
#endif
    default:
      return scanScalar;
  }
}

ProbeScanKind widestScan() {
#if defined(__SSE2__)
  __builtin_cpu_init();
  return __builtin_cpu_supports("avx2") ? ProbeScanKind::avx2 : ProbeScanKind::sse2;
#else
  return ProbeScanKind::scalar;
#endif
}

}  // namespace

bool probeScanAvailable(ProbeScanKind kind) {
  switch (kind) {
    case ProbeScanKind::scalar:
      return true;
    case ProbeScanKind::sse2:
      return widestScan() != ProbeScanKind::scalar;
    case ProbeScanKind::avx2:
      return widestScan() == ProbeScanKind::avx2;
  }
  return false;
}

std::size_t findProbePairUsing(ProbeScanKind kind, std::string_view text, std::size_t from,
                               std::size_t end, const ProbePair& probes) {
  return from >= end ? end : scanOf(kind)(text.data(), from, end, probes);
}

std::size_t findProbePair(std::string_view text, std::size_t from, std::size_t end,
                          const ProbePair& probes) {
  static const Scan scan = scanOf(widestScan());
  return from >= end ? end : scan(text.data(), from, end, probes);
}
