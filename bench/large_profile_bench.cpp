// The form model taking a profile as large as one may be (1 MiB: the game's 287 lines and
// 60,000 more), beside the game's own 287 lines: Use of it, Load of it as f1graphics.cfg,
// the pages shown after it, a Save that marks every line anew, and on a profile of view
// settings (18,000 rows of the Views page) a copy of every row's main value across, one
// write per line. Budget at 60,000 lines: 50 ms of the model's time per command (the
// window then fills each list in one go, within a second), and no more "notices" (what the
// window is told to show, a message or more to a control each) than with 287 lines: nothing
// a command does is told line by line, but for the lines the copy writes, each told once
// (the window shows many of them at once). The figures with 287 lines are the yardstick a
// change must not make grow.
#include "../tests/core/fake_platform.hpp"

#include <benchmark/benchmark.h>

#include <string>

using korvane::testing::DataFile;
using korvane::testing::FakeForm;

namespace {

std::string Sized(benchmark::State& state) {
    return korvane::testing::LargeProfile(DataFile("demo/game/f1graphics.cfg"),
                                          static_cast<int>(state.range(0)));
}

// f1graphics.cfg as the game has it, loaded, and the profile beside it; every control's
// notices counted.
struct Form : FakeForm {
    explicit Form(const std::string& profile) {
        platform.files["C:\\Game\\Big.cfg"] = profile;
        Load(DataFile("demo/game/f1graphics.cfg"));
        platform.answerYes = true;
        for (korvane::Control* control : form.AllControls()) {
            control->SetObserver(
                [this](korvane::Control&, korvane::Property, std::ptrdiff_t) { ++notices; });
        }
    }
    void Use() {
        form.Guarded([this] { form.profiles.Use("Big"); });
    }
    // Ends the benchmark with an error when a command failed (a profile refused, say).
    void Report(benchmark::State& state) const {
        if (!platform.errorBoxes.empty()) {
            state.SkipWithError(platform.errorBoxes.back().c_str());
        }
        state.counters["notices"] =
            benchmark::Counter(static_cast<double>(notices), benchmark::Counter::kAvgIterations);
    }
    long long notices = 0;
};

void BM_Use(benchmark::State& state) {
    Form f(Sized(state));
    for (auto _ : state) {
        f.Use();
    }
    f.Report(state);
}

void BM_Load(benchmark::State& state) {
    Form f(Sized(state));
    const std::string bytes = Sized(state);
    for (auto _ : state) {
        f.Load(bytes);
    }
    f.Report(state);
}

// After Use: the manual page, its changed lines alone, every line again, the Views page.
void BM_Pages(benchmark::State& state) {
    Form f(Sized(state));
    f.Use();
    f.notices = 0;
    for (auto _ : state) {
        f.form.Guarded([&] {
            f.form.SpeedButton9Click();
            f.form.ChangedOnly.UserClick();
            f.form.ChangedOnly.UserClick();
            f.form.ViewsButtonClick();
            f.form.SpeedButton4Click();
        });
    }
    f.Report(state);
}

// Save of the profile shown: what the lines are compared with changes, every mark anew.
void BM_SaveMarks(benchmark::State& state) {
    Form f(Sized(state));
    for (auto _ : state) {
        state.PauseTiming();
        const long long before = f.notices;
        f.Load(DataFile("demo/game/f1graphics.cfg"));
        f.Use();
        f.notices = before;
        state.ResumeTiming();
        f.form.Guarded([&] { f.form.SpeedButton2Click(); });
    }
    f.Report(state);
}

// A profile whose extra lines are settings of the three views, their values apart (18,000
// rows of the Views page, about 1 MiB): Use of it, and a copy of every row's main value
// to its other views, one write per line.
void BM_ViewsCopyAll(benchmark::State& state) {
    std::string profile = DataFile("demo/game/f1graphics.cfg");
    for (int k = 0; k < state.range(0) / 3; ++k) {
        profile += std::to_string(k % 7) + "\t;[MAIN VIEW]\r\n" + std::to_string((k + 1) % 7) +
                   "\t;[MIRROR VIEW]\r\n" + std::to_string((k + 2) % 7) + "\t;[VIDEOWALL VIEW]\r\n";
    }
    Form f(profile);
    for (auto _ : state) {
        f.Use();
        f.form.Guarded([&] { f.form.CopyAllClick(); });
    }
    f.Report(state);
}

void Measured(benchmark::internal::Benchmark* b) {
    b->Arg(0)->Arg(60000)->Unit(benchmark::kMillisecond)->MinTime(0.3);
}

} // namespace

BENCHMARK(BM_Use)->Apply(Measured);
BENCHMARK(BM_Load)->Apply(Measured);
BENCHMARK(BM_Pages)->Apply(Measured);
BENCHMARK(BM_SaveMarks)->Apply(Measured);
BENCHMARK(BM_ViewsCopyAll)->Arg(0)->Arg(54000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
