#include <benchmark/benchmark.h>

#include "guirt/Numbers.h"
#include "guirt/PropertyList.h"
#include "guirt/String.h"
#include "guirt/TextField.h"
#include "window/PropertyLists.h"

namespace {

using namespace guirt;

// The 40-entry list the main window gives its diameter field.
void ApplyTextFieldList(benchmark::State& state) {
    Ref<TextField> field = New<TextField>();
    const Ref<String> list = Lit<dravello::kDiameterList>();
    for (auto _ : state) {
        RuntimeMassPropertySetter(*field, list);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(list->Length()));
}
BENCHMARK(ApplyTextFieldList);

void ValOfTypicalInput(benchmark::State& state) {
    const Ref<String> text = Lit<"230.5">();
    for (auto _ : state) benchmark::DoNotOptimize(Val(text));
}
BENCHMARK(ValOfTypicalInput);

void StrOfTypicalDrop(benchmark::State& state) {
    double drop = 4.6875;
    for (auto _ : state) {
        benchmark::DoNotOptimize(drop);
        benchmark::DoNotOptimize(Str(drop));
    }
}
BENCHMARK(StrOfTypicalDrop);

void FormatOfTypicalDrop(benchmark::State& state) {
    double drop = 4.6875;
    const Ref<String> pattern = Lit<"#.###">();
    for (auto _ : state) {
        benchmark::DoNotOptimize(drop);
        benchmark::DoNotOptimize(Format(drop, pattern));
    }
}
BENCHMARK(FormatOfTypicalDrop);

// Most drops have more digits than the pattern shows and are no tie, unlike 4.6875.
void FormatOfLongDrop(benchmark::State& state) {
    double drop = 22.67055430630658;
    const Ref<String> pattern = Lit<"#.###">();
    for (auto _ : state) {
        benchmark::DoNotOptimize(drop);
        benchmark::DoNotOptimize(Format(drop, pattern));
    }
}
BENCHMARK(FormatOfLongDrop);

void AddTwoShortStrings(benchmark::State& state) {
    const Ref<String> a = Lit<"Drop: ">();
    const Ref<String> b = Lit<"4.688 V">();
    for (auto _ : state) benchmark::DoNotOptimize(RuntimeAddString(a, b));
}
BENCHMARK(AddTwoShortStrings);

}  // namespace
