// Measures one frame (updateFrame) without a waypoint, with the label, and with Left Ctrl held
// and nothing else, each beside its floor: the same stand-in calls made with ready-made
// arguments and no work of the plugin's own. Prints ns per frame and the ratio to the floor.

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "bench_stand_ins.h"
#include "host/plugin_main.h"
#include "host/script_hook.h"
#include "native_hashes.h"
#include "settings/settings.h"

namespace {

struct ReadyCall {
    std::uint64_t hash;
    std::vector<std::uint64_t> args;
};

char readyText[64] = "87.5 m";
const char readyLiteral[] = "LITERAL_STRING";

std::vector<ReadyCall> labelCalls() {
    auto pointer = [](const void *p) { return static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(p)); };
    using namespace nativeHashes;
    return {{waypointActive, {}},
            {waypointCoords, {}},
            {playerPed, {}},
            {entityCoords, {1, 1, 0}},
            {distanceBetweenCoords, {0x42C80000, 0x43480000, 0x41F00000, 0x42C80000, 0x43480000, 0x41F00000, 1}},
            {setTextScale, {0x3E99999A, 0x3E99999A}},
            {setTextColor, {255, 255, 255, 230}},
            {setTextCentre, {0}},
            {setTextDropShadow, {1, 0, 0, 0, 255}},
            {createVarString, {10, pointer(readyLiteral), pointer(readyText)}},
            {displayText, {0x1000, 0x3C75C28F, 0x3CCCCCCD}}};
}

struct Scenario {
    const char *name;
    bool waypoint;
    bool controlHeld;
};

const Scenario scenarios[] = {
    {"without waypoint", false, false}, {"with label", true, false}, {"Left Ctrl held", false, true}};

void prepare(const Scenario &scenario) {
    settings = Settings{};
    benchStandIns::waypointSet = scenario.waypoint;
    benchStandIns::keyStates[VK_LCONTROL] = scenario.controlHeld ? static_cast<SHORT>(0x8000) : 0;
    benchStandIns::tickCount = 1000;
}

void frame(benchmark::State &state, const Scenario *scenario) {
    prepare(*scenario);
    for (auto _ : state)
        updateFrame();
}

void floorFrame(benchmark::State &state, const Scenario *scenario) {
    prepare(*scenario);
    const std::vector<ReadyCall> calls = labelCalls();
    const std::size_t nativeCount = scenario->waypoint ? calls.size() : 1;
    const int keys[] = {VK_LCONTROL, VK_LSHIFT, VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, VK_F1};
    const int keyCount = scenario->controlHeld ? 7 : 2;
    for (auto _ : state) {
        benchmark::DoNotOptimize(GetAsyncKeyState(keys[0]));
        benchmark::DoNotOptimize(GetAsyncKeyState(keys[1]));
        benchmark::DoNotOptimize(GetTickCount());
        for (int k = 2; k < keyCount; ++k)
            benchmark::DoNotOptimize(GetAsyncKeyState(keys[k]));
        for (std::size_t c = 0; c < nativeCount; ++c) {
            nativeInit(calls[c].hash);
            for (std::uint64_t arg : calls[c].args)
                nativePush64(arg);
            benchmark::DoNotOptimize(*nativeCall());
        }
    }
}

class SummaryReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run> &runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            if (run.run_type == Run::RT_Iteration || run.aggregate_name == "median")
                nanoseconds[run.run_name.function_name] = run.GetAdjustedRealTime();
        }
    }
    std::map<std::string, double> nanoseconds;
};

} // namespace

int main(int argc, char **argv) {
    benchmark::Initialize(&argc, argv);
    for (const Scenario &scenario : scenarios) {
        benchmark::RegisterBenchmark((std::string("frame/") + scenario.name).c_str(), frame, &scenario);
        benchmark::RegisterBenchmark((std::string("floor/") + scenario.name).c_str(), floorFrame, &scenario);
    }
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    std::printf("\n%-18s %12s %12s %8s\n", "frame", "plugin ns", "floor ns", "ratio");
    for (const Scenario &scenario : scenarios) {
        double plugin = reporter.nanoseconds[std::string("frame/") + scenario.name];
        double floor = reporter.nanoseconds[std::string("floor/") + scenario.name];
        std::printf("%-18s %12.1f %12.1f %8.2f\n", scenario.name, plugin, floor, floor > 0 ? plugin / floor : 0.0);
    }
    benchmark::Shutdown();
    return 0;
}
