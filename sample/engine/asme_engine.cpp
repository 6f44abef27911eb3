// The sample engine's code module ASME.DLL: it owns its blocks, hands them over in ASMEZI,
// and in ASMECC checks the shell side's design conditions and the shell cylinder, setting
// their status codes and deriving the cylinder's inside diameter.
#include <cstdint>

namespace {

constexpr int kSlots = 5000;
constexpr float kNoValue = 1e-20f;

struct StatusEntry {
    std::int32_t Code;
    std::int32_t Spare;
};

float g_Values[kSlots];
StatusEntry g_Statuses[kSlots];
unsigned char g_Auxiliary[256];

// The slots of the variables the sample checks.
enum Slot : int { DesTempSS = 4, DesPressSS = 6, ShlCylOD = 453, ShlCylID = 454, ShlCylThk = 455 };

// The sample's status codes: accepted, missing, out of the plausible range.
enum Status : std::int32_t { Accepted = 0, Missing = 6, Implausible = 9 };

__attribute__((constructor)) void StartWithNoValues()
{
    for (float& value : g_Values)
        value = kNoValue;
}

bool Given(Slot slot) { return g_Values[slot] != kNoValue; }

// Sets the slot's status from whether it is given and lies in (low, high]; answers whether
// it was accepted.
bool Check(Slot slot, float low, float high)
{
    const float value = g_Values[slot];
    if (!Given(slot))
        g_Statuses[slot].Code = Missing;
    else if (!(value > low && value <= high))
        g_Statuses[slot].Code = Implausible;
    else
        g_Statuses[slot].Code = Accepted;
    return g_Statuses[slot].Code == Accepted;
}

}  // namespace

extern "C" {

__attribute__((visibility("default"))) void ASMEZI(void (*handOver)(void*, void*, void*))
{
    handOver(g_Values, g_Statuses, g_Auxiliary);
}

__attribute__((visibility("default"))) void ASMECC()
{
    Check(DesPressSS, 0.0f, 1.0e8f);  // Pa
    Check(DesTempSS, 20.0f, 1273.15f);  // K
    const bool diameter = Check(ShlCylOD, 0.0f, 10.0f);  // m
    const bool thickness = Check(ShlCylThk, 0.0f, diameter ? g_Values[ShlCylOD] / 2.0f : 0.5f);
    if (diameter && thickness) {
        g_Values[ShlCylID] = g_Values[ShlCylOD] - 2.0f * g_Values[ShlCylThk];
        g_Statuses[ShlCylID].Code = Accepted;
    } else {
        g_Values[ShlCylID] = kNoValue;
        g_Statuses[ShlCylID].Code = Missing;
    }
}

__attribute__((visibility("default"))) void ASMEUC() {}

}  // extern "C"
