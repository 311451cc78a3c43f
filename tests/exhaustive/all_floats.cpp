// Checks the number text against glibc in the "C" locale for float bit patterns, all 2^32 of
// them by default: "%.1f" and "%.6f" of each, and its "%.6f" text read back as strtod reads it,
// bit for bit (any NaN matches any NaN). Prints the mismatch counts; exits 1 on any.
//
// Usage: all_floats [FIRST COUNT]   (bit patterns, in decimal or 0x hexadecimal)

#include <atomic>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <thread>
#include <vector>

#include "number_text/number_text.h"

namespace {

struct Mismatches {
    std::atomic<std::uint64_t> tenths{0};
    std::atomic<std::uint64_t> sixDecimals{0};
    std::atomic<std::uint64_t> readBack{0};
};

Mismatches mismatches;
std::mutex reportLock;
int reported;

void report(const char *what, std::uint32_t bits, const char *ours, const char *glibc) {
    std::lock_guard<std::mutex> hold(reportLock);
    if (reported++ < 20)
        std::printf("mismatch in %s, bits 0x%08x: [%s], glibc [%s]\n", what, bits, ours, glibc);
}

bool sameDouble(double a, double b) {
    if (std::isnan(a) || std::isnan(b))
        return std::isnan(a) && std::isnan(b);
    return std::memcmp(&a, &b, sizeof a) == 0;
}

void check(std::uint32_t bits) {
    float value;
    std::memcpy(&value, &bits, sizeof value);
    char ours[64];
    char glibc[64];

    formatFixed(ours, sizeof ours, value, 1);
    std::snprintf(glibc, sizeof glibc, "%.1f", static_cast<double>(value));
    if (std::strcmp(ours, glibc) != 0) {
        ++mismatches.tenths;
        report("%.1f", bits, ours, glibc);
    }

    formatFixed(ours, sizeof ours, value, 6);
    std::snprintf(glibc, sizeof glibc, "%.6f", static_cast<double>(value));
    if (std::strcmp(ours, glibc) != 0) {
        ++mismatches.sixDecimals;
        report("%.6f", bits, ours, glibc);
    }

    double read = textToDouble(glibc);
    double expected = std::strtod(glibc, nullptr);
    if (!sameDouble(read, expected)) {
        ++mismatches.readBack;
        char readText[64];
        char expectedText[64];
        std::snprintf(readText, sizeof readText, "%a", read);
        std::snprintf(expectedText, sizeof expectedText, "%a", expected);
        report("read-back", bits, readText, expectedText);
    }
}

std::uint64_t numberArgument(const char *text) { return std::strtoull(text, nullptr, 0); }

} // namespace

int main(int argc, char **argv) {
    std::uint64_t first = argc > 2 ? numberArgument(argv[1]) : 0;
    std::uint64_t count = argc > 2 ? numberArgument(argv[2]) : std::uint64_t{1} << 32;
    if (first + count > (std::uint64_t{1} << 32)) {
        std::fprintf(stderr, "error: the range goes past 0xffffffff\n");
        return 2;
    }

    // Blocks of 2^20 patterns are handed out in turn, so that slow ranges spread over the threads.
    const std::uint64_t block = std::uint64_t{1} << 20;
    std::atomic<std::uint64_t> nextBlock{0};
    std::uint64_t blocks = (count + block - 1) / block;
    auto work = [&] {
        for (std::uint64_t b; (b = nextBlock++) < blocks;) {
            std::uint64_t end = std::min(count, (b + 1) * block);
            for (std::uint64_t i = b * block; i < end; ++i)
                check(static_cast<std::uint32_t>(first + i));
            if ((b + 1) % 256 == 0) {
                std::lock_guard<std::mutex> hold(reportLock);
                std::fprintf(stderr, "... %llu of %llu blocks\n", static_cast<unsigned long long>(b + 1),
                             static_cast<unsigned long long>(blocks));
            }
        }
    };
    unsigned threadCount = std::max(1u, std::thread::hardware_concurrency());
    std::vector<std::thread> threads;
    for (unsigned t = 0; t < threadCount; ++t)
        threads.emplace_back(work);
    for (std::thread &thread : threads)
        thread.join();

    std::printf("float bit patterns checked: %llu (0x%08llx to 0x%08llx), %u threads\n",
                static_cast<unsigned long long>(count), static_cast<unsigned long long>(first),
                static_cast<unsigned long long>(first + count - 1), threadCount);
    std::printf("\"%%.1f\" mismatches: %llu\n", static_cast<unsigned long long>(mismatches.tenths.load()));
    std::printf("\"%%.6f\" mismatches: %llu\n", static_cast<unsigned long long>(mismatches.sixDecimals.load()));
    std::printf("\"%%.6f\" read-back mismatches: %llu\n", static_cast<unsigned long long>(mismatches.readBack.load()));
    bool clean = mismatches.tenths == 0 && mismatches.sixDecimals == 0 && mismatches.readBack == 0;
    return clean ? 0 : 1;
}
