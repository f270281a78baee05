// Search speed on a large bank: the whole-bank scan against testing each line on its
// own with the containment rule. Run: build/native/bin/search_bench

#include <benchmark/benchmark.h>

#include <cstdint>

#include "search/line_search.h"

namespace {

constexpr std::size_t kBankBytes = 100u << 20;

// About 100 MB of question lines, option lines and answers in GBK.
const Bank& largeBank() {
  static const Bank bank = [] {
    const char* words[] = {"我国", "首都", "哪座", "城市", "化学", "传播", "速度", "作者",
                           "Which", "planet", "是", "的", "？", "，", "A. ", "B. "};
    std::uint32_t seed = 7;
    Text text;
    text.reserve(kBankBytes + 256);
    while (text.size() < kBankBytes) {
      for (int line = 0; line < 5; ++line) {
        int length = 6 + static_cast<int>(seed % 12);
        for (int i = 0; i < length; ++i) {
          seed = seed * 1103515245u + 12345u;
          text += words[(seed >> 16) % 16];
        }
        text += "\r\n";
      }
    }
    text += "最后一题的题干在这里\r\n";
    Bank made;
    made.assign(std::move(text));
    return made;
  }();
  return bank;
}

const char* queryFor(int which) {
  switch (which) {
    case 0: return "最后一题的题干";  // one match, at the very end
    case 1: return "不存在的文字";    // no match
    default: return "JUPITER";        // ASCII, folded, no match
  }
}

void wholeBankScan(benchmark::State& state) {
  const Bank& bank = largeBank();
  const char* query = queryFor(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(searchBank(bank, query));
  state.SetBytesProcessed(state.iterations() * bank.text.size());
}

void lineByLine(benchmark::State& state) {
  const Bank& bank = largeBank();
  const char* query = queryFor(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    MatchList matches{};
    std::size_t found = 0;
    for (int n = 1; n <= bank.lines.count() && found < matches.size(); ++n) {
      if (lineContains(bank.line(n), query)) matches[found++] = n;
    }
    benchmark::DoNotOptimize(matches);
  }
  state.SetBytesProcessed(state.iterations() * bank.text.size());
}

void buildLineIndex(benchmark::State& state) {
  const Bank& bank = largeBank();
  for (auto _ : state) benchmark::DoNotOptimize(LineIndex(bank.text));
  state.SetBytesProcessed(state.iterations() * bank.text.size());
}

BENCHMARK(wholeBankScan)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(lineByLine)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(buildLineIndex)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
