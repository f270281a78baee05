// Search speed on quiz-like banks of 1, 10 and 100 MB, beside memchr over the same
// bytes (the memory-bandwidth floor). Run: build/native/bin/line_search_bench

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <map>

#include "search/line_search.h"
#include "search/listing.h"

namespace {

constexpr char kRarePhrase[] = "最后一道题的题干";
constexpr char kCommonCharacter[] = "的";
constexpr char kRareAsciiWord[] = "JuPiTeR";

// A question line and four option lines at a time: mostly Chinese, some ASCII lines
// and mixed-case words; the rare phrase once, near the end.
Text quizBank(std::size_t bytes) {
  const char* words[] = {"我国", "首都", "哪座", "城市", "化学式", "传播", "速度", "作者",
                         "下列", "正确", "的", "是", "关于", "说法", "以下", "不"};
  const char* ascii[] = {"Which", "Planet", "is", "KNOWN", "as", "the", "Red", "mars"};
  std::uint32_t seed = 7;
  auto next = [&] {
    seed = seed * 1103515245u + 12345u;
    return seed >> 16;
  };
  Text text;
  text.reserve(bytes + 256);
  for (int question = 1; text.size() < bytes; ++question) {
    text += std::to_string(question) + ". ";
    for (int i = 0, n = 8 + next() % 10; i < n; ++i) text += words[next() % 16];
    text += "？\r\n";
    for (char option : {'A', 'B', 'C', 'D'}) {
      text += option;
      text += ". ";
      bool asciiLine = next() % 8 == 0;
      for (int i = 0, n = 2 + next() % 4; i < n; ++i) {
        text += asciiLine ? Text(ascii[next() % 8]) + " " : Text(words[next() % 16]);
      }
      text += "\r\n";
    }
    if (text.size() + 200 >= bytes) text += Text(kRarePhrase) + "在这里？\r\n";
  }
  return text;
}

const Bank& bankOfSize(std::size_t megabytes) {
  static std::map<std::size_t, Bank> banks;
  auto [place, added] = banks.try_emplace(megabytes);
  if (added) place->second.assign(quizBank(megabytes << 20));
  return place->second;
}

const char* queryOf(int which) {
  const char* queries[] = {kRarePhrase, kCommonCharacter, kRareAsciiWord};
  return queries[which];
}

const char* labelOf(int which) {
  const char* labels[] = {"rare Chinese phrase", "common Chinese character", "rare ASCII word"};
  return labels[which];
}

void searchBankOf(benchmark::State& state) {
  const Bank& bank = bankOfSize(state.range(0));
  const char* query = queryOf(static_cast<int>(state.range(1)));
  for (auto _ : state) benchmark::DoNotOptimize(searchBank(bank, query));
  state.SetBytesProcessed(state.iterations() * bank.text.size());
  state.SetLabel(labelOf(static_cast<int>(state.range(1))));
}

// One keystroke of the manual search: search and listing.
void keystroke(benchmark::State& state) {
  const Bank& bank = bankOfSize(state.range(0));
  const char* query = queryOf(static_cast<int>(state.range(1)));
  for (auto _ : state) benchmark::DoNotOptimize(composeListing(bank, searchBank(bank, query), 5));
  state.SetLabel(labelOf(static_cast<int>(state.range(1))));
}

void memchrFloor(benchmark::State& state) {
  const Bank& bank = bankOfSize(state.range(0));
  for (auto _ : state) {
    benchmark::DoNotOptimize(std::memchr(bank.text.data(), '\x7F', bank.text.size()));
  }
  state.SetBytesProcessed(state.iterations() * bank.text.size());
}

// What a dropped bank costs after it is read: the line index and the byte sample.
void loadBank(benchmark::State& state) {
  Text text = quizBank(static_cast<std::size_t>(state.range(0)) << 20);
  for (auto _ : state) {
    Bank bank;
    bank.assign(text);
    benchmark::DoNotOptimize(bank.lines.count());
  }
  state.SetBytesProcessed(state.iterations() * text.size());
}

BENCHMARK(memchrFloor)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK(searchBankOf)
    ->ArgsProduct({{1, 10, 100}, {0, 1, 2}})
    ->ArgNames({"MB", "query"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(keystroke)->ArgsProduct({{10}, {0, 1, 2}})->ArgNames({"MB", "query"})->Unit(benchmark::kMicrosecond);
BENCHMARK(loadBank)->Arg(100)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
