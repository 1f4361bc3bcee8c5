// Reading and writing large f1graphics.cfg files, against a memcpy of the same bytes.
// Compare the figures of one run: read <= 10x memcpy, write to memory <= 10x, to a file
// <= 25x, and per-byte times of 16 MiB and 64 MiB within 15% of each other.
#include "file/config_document.hpp"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <malloc.h>
#include <string>
#include <unistd.h>
#include <vector>

using korvane::ConfigDocument;

namespace {

// Lines like the game's own: a value, tabs, a comment; CR LF ends.
std::string RealisticBytes(std::size_t size) {
    static const char* const comments[] = {
        "; [RELEASE] Game 3D Horizontal Resolution",
        "; [RELEASE] Enable 32bit mode if available NB. If Windowed then is forced to desktop",
        "; Texture quality : 0 => max 2 => half 4 => qtr 8 => eigth",
        "; Low track geometry (1 on, 0 off)",
        "; Display track shadows",
    };
    std::string out;
    out.reserve(size + 128);
    unsigned k = 0;
    while (out.size() < size) {
        out += std::to_string(k * 37 % 2000);
        out += "\t\t\t";
        out += comments[k % 5];
        out += "\r\n";
        ++k;
    }
    out.resize(size);
    return out;
}

std::string OneLine(std::size_t size) {
    std::string out = "1\t; ";
    out.append(size - out.size(), 'x');
    return out;
}

constexpr std::size_t MiB = 1024 * 1024;

// Every timed iteration starts from main memory. Without this a 16 MiB case runs largely
// from the last-level cache and a 64 MiB one does not, so per-byte times (and memcpy, the
// yardstick) would compare cache sizes rather than code.
void EvictCaches(benchmark::State& state) {
    state.PauseTiming(); // before the first call's 256 MiB of fresh pages, too
    static std::vector<char> junk(256 * MiB);
    static char fill = 0;
    std::memset(junk.data(), ++fill, junk.size());
    benchmark::ClobberMemory();
    state.ResumeTiming();
}

void BM_Memcpy(benchmark::State& state) {
    const std::string src = RealisticBytes(static_cast<std::size_t>(state.range(0)) * MiB);
    std::string dst(src.size(), '\0');
    for (auto _ : state) {
        EvictCaches(state);
        std::memcpy(dst.data(), src.data(), src.size());
        benchmark::DoNotOptimize(dst.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * src.size()));
}

void ReadBench(benchmark::State& state, const std::string& src) {
    for (auto _ : state) {
        state.PauseTiming();
        std::string copy = src; // the file's bytes as read from disk
        ConfigDocument doc;
        state.ResumeTiming();
        EvictCaches(state);
        doc.Append(std::move(copy));
        benchmark::DoNotOptimize(doc.Count());
        state.PauseTiming();
        { ConfigDocument gone = std::move(doc); }
        // Hand the freed memory back, so that every read pays for fresh pages as a program
        // loading a file does. Otherwise the heap keeps a 16 MiB case's blocks for the next
        // iteration while the 64 MiB case's (above glibc's largest mmap threshold) are
        // mapped anew each time, and per-byte times compare the allocator, not the reader.
        malloc_trim(0);
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * src.size()));
}

void BM_Read(benchmark::State& state) {
    ReadBench(state, RealisticBytes(static_cast<std::size_t>(state.range(0)) * MiB));
}

void BM_ReadOneLine(benchmark::State& state) {
    ReadBench(state, OneLine(static_cast<std::size_t>(state.range(0)) * MiB));
}

void BM_WriteMemory(benchmark::State& state) {
    const std::string src = RealisticBytes(static_cast<std::size_t>(state.range(0)) * MiB);
    ConfigDocument doc;
    doc.Append(src);
    doc.SetValue(1, "1024");
    std::string out;
    for (auto _ : state) {
        out.clear();
        EvictCaches(state);
        doc.WriteTo(out);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * src.size()));
}

void BM_WriteFile(benchmark::State& state) {
    const std::string src = RealisticBytes(static_cast<std::size_t>(state.range(0)) * MiB);
    ConfigDocument doc;
    doc.Append(src);
    doc.SetValue(1, "1024");
    char path[] = "/tmp/korvane_bench_XXXXXX";
    const int fd = mkstemp(path);
    if (fd < 0) {
        state.SkipWithError("no temporary file");
        return;
    }
    close(fd);
    std::string out;
    for (auto _ : state) {
        out.clear();
        EvictCaches(state);
        doc.WriteTo(out);
        std::FILE* f = std::fopen(path, "wb");
        std::fwrite(out.data(), 1, out.size(), f);
        std::fclose(f);
    }
    std::remove(path);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * src.size()));
}

// Every case, the first of the run included, warms up before it is timed (fresh pages for
// its buffers, the processor at speed) and is then timed for at least half a second: many
// iterations even of the slowest case, so that no single cold iteration is the figure.
void Measured(benchmark::internal::Benchmark* b) {
    b->Unit(benchmark::kMillisecond)->MinWarmUpTime(0.1)->MinTime(0.5);
}

} // namespace

BENCHMARK(BM_Memcpy)->Arg(16)->Arg(64)->Apply(Measured);
BENCHMARK(BM_Read)->Arg(16)->Arg(64)->Apply(Measured);
BENCHMARK(BM_ReadOneLine)->Arg(64)->Apply(Measured);
BENCHMARK(BM_WriteMemory)->Arg(16)->Arg(64)->Apply(Measured);
BENCHMARK(BM_WriteFile)->Arg(16)->Arg(64)->Apply(Measured);

BENCHMARK_MAIN();
