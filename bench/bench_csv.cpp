// Channel list import against lists made to hurt it: each the largest file the window reads (10 MiB). Prints the
// time and the peak memory each costs on top of the file itself, and the verdict.
//
// Usage: bench_csv [rounds=5]

#include "ChannelCsv.h"
#include "Strings.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

using namespace velmar;

namespace {

// The peak resident size since the last ResetPeak(), from the kernel's high-water mark.
long PeakKiB() {
    std::FILE* status = std::fopen("/proc/self/status", "r");
    long kib = 0;
    char line[256];
    while (status != nullptr && std::fgets(line, sizeof line, status) != nullptr) {
        if (std::sscanf(line, "VmHWM: %ld kB", &kib) == 1) {
            break;
        }
    }
    if (status != nullptr) {
        std::fclose(status);
    }
    return kib;
}

long ResetPeak() {
    if (std::FILE* refs = std::fopen("/proc/self/clear_refs", "w")) {
        std::fputs("5", refs);
        std::fclose(refs);
    }
    return PeakKiB();
}

} // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const std::size_t size = kChannelCsvMaxBytes;
    std::string plain = "Location,Frequency,Mode\n";
    while (plain.size() < size) {
        plain += "1,446.00625,NFM\n";
    }
    const std::vector<std::pair<const char*, std::string>> lists{
        {"line breaks only", std::string(size, '\n')},
        {"a header of commas", "Location,Frequency" + std::string(size - 18, ',')},
        {"one quote left open", "Location,Frequency\n1,\"" + std::string(size - 22, 'x')},
        {"10,000 rows and more", plain},
    };
    std::printf("rounds: %d, each list %zu MiB\n", rounds, size / (1024 * 1024));
    for (const auto& [name, text] : lists) {
        const long before = ResetPeak();
        std::vector<double> ms;
        CsvRefusal refusal = CsvRefusal::None;
        int line = 0;
        for (int r = 0; r < rounds; ++r) {
            CsvImport in;
            const auto start = std::chrono::steady_clock::now();
            refusal = ImportChannelsCsv(text, &in, &line);
            ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        }
        std::sort(ms.begin(), ms.end());
        const std::string verdict = refusal == CsvRefusal::None ? "read" : res::DescribeCsvRefusal(refusal, line);
        std::printf("%-22s median %7.1f ms, slowest %7.1f ms, peak memory +%ld KiB (target: under 1 s, a small "
                    "multiple of the file): %s\n",
                    name, ms[ms.size() / 2], ms.back(), std::max(0L, PeakKiB() - before), verdict.c_str());
    }
    return 0;
}
