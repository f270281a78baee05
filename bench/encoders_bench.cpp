// The recognition request's encoders on a picture-sized input: both stay linear.
// Run: build/native/bin/encoders_bench

#include <benchmark/benchmark.h>

#include <cstdint>

#include "recognition/encoders.h"

namespace {

Bytes randomBytes(std::size_t size) {
  Bytes bytes(size);
  std::uint32_t seed = 11;
  for (auto& byte : bytes) {
    seed = seed * 1103515245u + 12345u;
    byte = static_cast<std::uint8_t>(seed >> 16);
  }
  return bytes;
}

void base64Of(benchmark::State& state) {
  Bytes bytes = randomBytes(static_cast<std::size_t>(state.range(0)) << 20);
  for (auto _ : state) benchmark::DoNotOptimize(base64Encode(bytes));
  state.SetBytesProcessed(state.iterations() * bytes.size());
}

void urlEncodeOfBase64(benchmark::State& state) {
  Text text = base64Encode(randomBytes(static_cast<std::size_t>(state.range(0)) << 20));
  for (auto _ : state) benchmark::DoNotOptimize(urlEncode(text, true, false));
  state.SetBytesProcessed(state.iterations() * text.size());
}

BENCHMARK(base64Of)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond);
BENCHMARK(urlEncodeOfBase64)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
