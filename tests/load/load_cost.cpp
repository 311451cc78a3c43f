// Measures what loading costs: LoadLibrary + FreeLibrary of WaypointDistance.asi beside the
// floor plugin, in alternating rounds, with the stand-in ScriptHookRDR2.dll already loaded.
// Prints the median of each and their ratio.
//
// Usage: load_cost [ROUNDS]   (default 2000), run in a folder holding the three DLLs.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

LARGE_INTEGER frequency;

// One load and unload in microseconds, or a negative figure when the load failed.
double loadAndFree(const char *file) {
    LARGE_INTEGER start;
    LARGE_INTEGER end;
    QueryPerformanceCounter(&start);
    HMODULE module = LoadLibraryA(file);
    if (module)
        FreeLibrary(module);
    QueryPerformanceCounter(&end);
    return module ? static_cast<double>(end.QuadPart - start.QuadPart) * 1e6 / frequency.QuadPart : -1.0;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char **argv) {
    const char plugin[] = "WaypointDistance.asi";
    const char floor[] = "floor_plugin.asi";
    int rounds = argc > 1 ? std::atoi(argv[1]) : 2000;
    QueryPerformanceFrequency(&frequency);
    if (!LoadLibraryA("ScriptHookRDR2.dll")) {
        std::printf("error: ScriptHookRDR2.dll does not load\n");
        return 1;
    }

    std::vector<double> pluginTimes;
    std::vector<double> floorTimes;
    const int warmUp = 50;
    for (int round = 0; round < warmUp + rounds; ++round) {
        // Each pair is taken in turn in both orders, so that neither always goes first.
        bool pluginFirst = round % 2 == 0;
        double first = loadAndFree(pluginFirst ? plugin : floor);
        double second = loadAndFree(pluginFirst ? floor : plugin);
        double pluginTime = pluginFirst ? first : second;
        double floorTime = pluginFirst ? second : first;
        if (pluginTime < 0 || floorTime < 0) {
            std::printf("error: %s does not load\n", pluginTime < 0 ? plugin : floor);
            return 1;
        }
        if (round >= warmUp) {
            pluginTimes.push_back(pluginTime);
            floorTimes.push_back(floorTime);
        }
    }

    double pluginMedian = median(pluginTimes);
    double floorMedian = median(floorTimes);
    std::printf("LoadLibrary + FreeLibrary, median of %d alternating rounds:\n", rounds);
    std::printf("  %-22s %8.1f us\n", plugin, pluginMedian);
    std::printf("  %-22s %8.1f us\n", floor, floorMedian);
    std::printf("  ratio %.2f (target: at most 1.20)\n", pluginMedian / floorMedian);
    return 0;
}
