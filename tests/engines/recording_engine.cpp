// A recording engine for the tests: it appends every load, unload and entry-point call
// with its arguments to the journal file named by QUILL_ENGINE_JOURNAL, and owns blocks
// that the tests reach through its accessors. Compile definitions pick the variant.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#ifndef RECORDING_MODULE_NAME
#error "RECORDING_MODULE_NAME names the module in the journal"
#endif

namespace {

constexpr int kSlots = 5000;
constexpr float kNoValue = 1e-20f;

struct Blocks {
    float Values[kSlots];
    std::int32_t Statuses[kSlots * 2];  // 8-byte entries: the code, then four bytes
    unsigned char Auxiliary[64];
};
Blocks g_Blocks[2];
int g_BlocksHandedOver = 0;

void Record(const std::string& line)
{
    const char* path = std::getenv("QUILL_ENGINE_JOURNAL");
    if (path == nullptr || path[0] == '\0')
        return;
    if (std::FILE* journal = std::fopen(path, "a")) {
        std::fprintf(journal, "%s\n", line.c_str());
        std::fclose(journal);
    }
}

__attribute__((constructor)) void OnLoad()
{
    for (Blocks& blocks : g_Blocks)
        for (float& value : blocks.Values)
            value = kNoValue;
    Record(std::string("load ") + RECORDING_MODULE_NAME);
}

__attribute__((destructor)) void OnUnload() { Record(std::string("unload ") + RECORDING_MODULE_NAME); }

}  // namespace

extern "C" {

__attribute__((visibility("default"))) float* RecordingValueBlock(int which) { return g_Blocks[which].Values; }
__attribute__((visibility("default"))) std::int32_t* RecordingStatusBlock(int which)
{
    return g_Blocks[which].Statuses;
}
__attribute__((visibility("default"))) void* RecordingAuxBlock(int which) { return g_Blocks[which].Auxiliary; }
// Which block set the engine handed over last: 0 or 1, or -1 before any.
__attribute__((visibility("default"))) int RecordingBlocksInUse() { return g_BlocksHandedOver - 1; }

#ifdef RECORDING_HAS_ASMEZI
__attribute__((visibility("default"))) void ASMEZI(void (*callback)(void*, void*, void*))
{
    Record("ASMEZI");
#ifndef RECORDING_NO_CALLBACK
#ifdef RECORDING_MOVES_BLOCKS
    const int which = g_BlocksHandedOver == 0 ? 0 : 1;
#else
    const int which = 0;
#endif
    callback(g_Blocks[which].Values, g_Blocks[which].Statuses, g_Blocks[which].Auxiliary);
    g_BlocksHandedOver = which + 1;
#else
    (void)callback;
#endif
}
#endif

#ifdef RECORDING_HAS_ASMECC
__attribute__((visibility("default"))) void ASMECC() { Record("ASMECC"); }
#endif

#ifdef RECORDING_HAS_ASMEUC
__attribute__((visibility("default"))) void ASMEUC() { Record("ASMEUC"); }
#endif

#ifdef RECORDING_HAS_ORVELTL
__attribute__((visibility("default"))) int ORVELTL(int first, const char* installPrefix, const char* casePath,
                                                    const char* mode, int runNumber, void** rootGroup)
{
    char rootGroupText[32];
    std::snprintf(rootGroupText, sizeof rootGroupText, "%p", rootGroup != nullptr ? *rootGroup : nullptr);
    Record("ORVELTL " + std::to_string(first) + "|" + installPrefix + "|" + casePath + "|" + mode + "|"
           + std::to_string(runNumber) + "|" + rootGroupText);
    return 0;
}
#endif

}  // extern "C"
