// TransferData and CheckData over a host map that holds every scalar design variable,
// each beside its floor: the same link calls, in the same order, made directly on the
// same map. The difference is what the dictionary adds to the calls it must make.
//
// Run from anywhere: the module finds its installation (build/XEQ) from its own path.
#include "dictionary/tables/scalar_variable_table.h"
#include "engine/COrvelEngine.h"
#include "link/UnmanagedEngineWrapper.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

struct HostCase {
    HostCase()
    {
        for (const ScalarVariableEntry& entry : ScalarVariableTable) {
            map.Add(entry.Name);
            ScalarLink* link = map[entry.Name];
            link->set_szValuePureSI(100.0 + entry.Slot);
            link->set_source(SourceEngine);
            link->Destroy();
        }
        // The engine's view of the same values, for the floor's reads.
        for (const ScalarVariableEntry& entry : ScalarVariableTable)
            if (entry.Slot != NoSlot)
                values[entry.Slot] = static_cast<float>(100.0 + entry.Slot);
    }

    ScalarMap map;
    std::vector<float> values = std::vector<float>(SlotCount, NoValue);
    std::vector<StatusEntry> statuses = std::vector<StatusEntry>(SlotCount, StatusEntry{0, {}});
};

void BM_TransferData(benchmark::State& state)
{
    HostCase host;
    std::unique_ptr<COrvelEngine> engine(new COrvelEngine);
    for (auto _ : state)
        benchmark::DoNotOptimize(engine->TransferData(&host.map, nullptr));
}

void BM_TransferDataFloor(benchmark::State& state)
{
    HostCase host;
    for (auto _ : state) {
        for (const ScalarVariableEntry& entry : ScalarVariableTable) {
            if (ScalarLink* link = host.map[entry.Name]) {
                if (!link->isEmpty() && link->get_source() != SourceNone && entry.Slot != NoSlot)
                    link->get_szValuePureSI(&host.values[static_cast<std::size_t>(entry.Slot)]);
                link->Destroy();
            }
            if (ScalarLink* link = host.map[entry.Name])
                link->Destroy();
        }
        benchmark::ClobberMemory();
    }
}

void BM_CheckData(benchmark::State& state)
{
    HostCase host;
    std::unique_ptr<COrvelEngine> engine(new COrvelEngine);
    engine->TransferData(&host.map, nullptr);
    for (auto _ : state)
        benchmark::DoNotOptimize(engine->CheckData(&host.map, nullptr));
}

void BM_CheckDataFloor(benchmark::State& state)
{
    HostCase host;
    for (auto _ : state) {
        for (const ScalarVariableEntry& entry : ScalarVariableTable) {
            if (ScalarLink* link = host.map[entry.Name]) {
                if (entry.Slot != NoSlot) {
                    const float value = host.values[static_cast<std::size_t>(entry.Slot)];
                    if (value != NoValue && link->get_source() != SourceProtected)
                        link->set_szValuePureSI(static_cast<double>(value));
                }
                link->Destroy();
            }
            if (ScalarLink* link = host.map[entry.Name]) {
                if (entry.Slot != NoSlot)
                    link->set_status(HostStatusCode(host.statuses[static_cast<std::size_t>(entry.Slot)].Code));
                link->Destroy();
            }
        }
        benchmark::ClobberMemory();
    }
}

BENCHMARK(BM_TransferData);
BENCHMARK(BM_TransferDataFloor);
BENCHMARK(BM_CheckData);
BENCHMARK(BM_CheckDataFloor);

}  // namespace

BENCHMARK_MAIN();
