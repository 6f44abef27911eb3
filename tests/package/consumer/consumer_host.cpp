// A host built against the installed package: it runs the installed sample engine on a
// design case and checks what came back.
//
//     consumer_host <case folder> <installation prefix as the module must find it>
// A host's own headers come first, and may define TRUE and FALSE as the platform does.
#include "host_c_library.h"

#include "engine/COrvelEngine.h"
#include "link/UnmanagedEngineWrapper.h"
#include "platform/oleauto/variant.h"  // for EngineFunction's argument

#if defined(_WIN32)
#include <windows.h>
#endif

#include <cmath>
#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>
#include <string>

namespace {

int g_failures = 0;

void Expect(bool holds, const std::string& what)
{
    std::cout << (holds ? "ok:   " : "FAIL: ") << what << '\n';
    if (!holds)
        ++g_failures;
}

void Hold(ScalarMap& map, const char* name, double value)
{
    map.Add(name);
    ScalarLink* link = map[name];
    link->set_szValuePureSI(value);
    link->set_source(2);
    link->Destroy();
}

// The value and status that the host's map holds for a name.
double ValueOf(ScalarMap& map, const char* name, short* status)
{
    ScalarLink* link = map[name];
    double value = NAN;
    if (!link->isEmpty())
        link->get_szValuePureSI(&value);
    *status = link->get_status();
    link->Destroy();
    return value;
}

// The prefix as the module finds it: the platform gives the module's path in its short form.
std::string AsTheModuleFindsIt(const std::string& prefix)
{
#if defined(_WIN32)
    char shortPath[MAX_PATH];
    const DWORD length = GetShortPathNameA(prefix.c_str(), shortPath, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::string(shortPath, length) : prefix;
#else
    return prefix;
#endif
}

std::string ContentsOf(const std::string& path)
{
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: consumer_host <case folder> <installation prefix>\n";
        return 2;
    }
    const std::string caseFolder = argv[1];
    const std::string prefix = AsTheModuleFindsIt(argv[2]);

    ScalarMap scalars;
    ArrayMap arrays;
    Hold(scalars, "ShlCylOD", 1.2);
    Hold(scalars, "ShlCylThk", 0.01);
    scalars.Add("ShlCylID");

    std::string caseName = caseFolder + "/HX-7.QXR 3";
    {
        // The module exports no destructor by name: the object goes through its virtual slot.
        const auto engine = std::make_unique<COrvelEngine>();
        Expect(engine->TransferData(&scalars, &arrays), "TransferData answers true");
        Expect(engine->CheckData(&scalars, &arrays), "CheckData answers true");
        VARIANT argument{};
        Expect(engine->EngineFunction(7, argument) == 0, "EngineFunction answers 0");
        engine->SetFileName(caseName.data());
        engine->Execute();
    }

    short status = -1;
    const double inside = ValueOf(scalars, "ShlCylID", &status);
    Expect(std::fabs(inside - 1.18) < 1e-6 && status == 0,
           "the sample engine derived ShlCylID = 1.18 with status 0 (got " + std::to_string(inside) +
               ", status " + std::to_string(status) + ")");

    const std::string report = ContentsOf(caseFolder + "/HX-7-run.txt");
    Expect(report.find("installation: " + prefix + "\n") != std::string::npos,
           "the design ran from the installation " + prefix);
    Expect(report.find("run number:   3\n") != std::string::npos, "the design ran as run 3");
    return g_failures == 0 ? 0 : 1;
}
