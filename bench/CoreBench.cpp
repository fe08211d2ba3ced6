#include <benchmark/benchmark.h>

#include "guirt/Numbers.h"
#include "guirt/PropertyList.h"
#include "guirt/String.h"
#include "guirt/TextField.h"

namespace {

using namespace guirt;
namespace pl = guirt::plist;

// The list a window hands to each of its text fields while it is built.
constexpr auto kTextFieldList = pl::List(
    pl::Text("Name", "VoltageField"), pl::Int("Index", -2147483648LL), pl::Int("Left", 112), pl::Int("Top", 20),
    pl::Int("Width", 100), pl::Int("Height", 22), pl::Bool("LockLeft", true), pl::Bool("LockTop", true),
    pl::Bool("LockRight", false), pl::Bool("LockBottom", false), pl::Int("TabPanelIndex", 0), pl::Int("TabIndex", 1),
    pl::Bool("TabStop", true), pl::Bool("Border", true), pl::Bool("Password", false), pl::Bool("UseFocusRing", true),
    pl::Colour("TextColor", 0x00000000), pl::Colour("BackColor", 0x00FFFFFF), pl::Bool("Enabled", true),
    pl::Text("Format", ""), pl::Bool("Visible", true), pl::Text("HelpTag", "Supply voltage\r\nin volts"),
    pl::Bool("AutoDeactivate", true), pl::Text("TextFont", "System"), pl::Single("TextSize", 0.0F),
    pl::Units("TextUnit", FontUnits::Default), pl::Bool("Bold", false), pl::Bool("Italic", false),
    pl::Bool("Underline", false), pl::Text("CueText", ""), pl::Text("Text", "230"), pl::Text("Mask", ""),
    pl::Bool("ReadOnly", false), pl::Int("LimitText", 0), pl::Bool("AcceptTabs", false), pl::Int("Alignment", 0),
    pl::Bool("AutomaticallyCheckSpelling", false), pl::Text("DataSource", ""), pl::Text("DataField", ""),
    pl::Text("InitialParent", ""));

void ApplyTextFieldList(benchmark::State& state) {
    Ref<TextField> field = New<TextField>();
    const Ref<String> list = Lit<kTextFieldList>();
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

void AddTwoShortStrings(benchmark::State& state) {
    const Ref<String> a = Lit<"Drop: ">();
    const Ref<String> b = Lit<"4.688 V">();
    for (auto _ : state) benchmark::DoNotOptimize(RuntimeAddString(a, b));
}
BENCHMARK(AddTwoShortStrings);

}  // namespace
