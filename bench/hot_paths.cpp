// The hot paths of a run: reading the largest source file, the queries'
// linear scans over a full table, and the console-dump scan.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "document/document.h"
#include "extractor/marker_scan.h"
#include "toolkit/console.h"
#include "toolkit/line_reader.h"
#include "toolkit/toolkit.h"

namespace {

// A source file of one map with `points` points, written once.
const std::string& largestSource() {
    static const std::string path = [] {
        std::string file = "/tmp/telvorin-bench-largest.txt";
        std::ofstream out(file);
        out << "$ output = x.cfg\n$() maps = m\n{ m\n$() points = P0 ; 1 2 3 0\n";
        for (int i = 1; i < 10998; ++i) out << "Point " << i << " ; " << i << " 2 3 0\n";
        out << "}\n";
        return file;
    }();
    return path;
}

const std::string& dumpFile() {
    static const std::string path = [] {
        std::string file = "/tmp/telvorin-bench-condump.txt";
        std::ofstream out(file);
        for (int n = 0; n < 200000; ++n) {
            if (n % 50 == 0)
                out << "TELEPORT MARKER : (" << n << " " << -n << " 64)\n";
            else if (n % 50 == 1)
                out << "Player: $$$ Spot " << n << "\n";
            else
                out << "^3Server: player " << n % 64 << " connected, ping " << n % 300 << " ms\n";
        }
        return file;
    }();
    return path;
}

void loadLargest(benchmark::State& state) {
    for (auto _ : state) {
        Document document;
        benchmark::DoNotOptimize(document.load(largestSource()));
    }
}
BENCHMARK(loadLargest)->Unit(benchmark::kMillisecond);

void getTextOverAFullTable(benchmark::State& state) {
    Document document;
    document.load(largestSource());
    document.setSection("m");
    for (auto _ : state) benchmark::DoNotOptimize(document.getText("points", 0));  // the far end of the scan
}
BENCHMARK(getTextOverAFullTable)->Unit(benchmark::kMicrosecond);

void lastIndexOfAFullList(benchmark::State& state) {
    Document document;
    document.load(largestSource());
    document.setSection("m");
    for (auto _ : state) benchmark::DoNotOptimize(document.lastIndex("points"));
}
BENCHMARK(lastIndexOfAFullList)->Unit(benchmark::kMillisecond);

void scanDump(benchmark::State& state) {
    std::ostringstream messages, warnings;
    Console console(messages, warnings, false);
    const auto fileSize = static_cast<std::size_t>(std::ifstream(dumpFile(), std::ios::ate).tellg());
    std::size_t bytes = 0;
    for (auto _ : state) {
        LineReader dump(dumpFile());
        std::size_t points = 0;
        scanConsoleDump(dump, console, [&points](const std::string&, const std::string&, std::int64_t) { ++points; });
        benchmark::DoNotOptimize(points);
        bytes += fileSize;
        messages.str("");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
}
BENCHMARK(scanDump)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
