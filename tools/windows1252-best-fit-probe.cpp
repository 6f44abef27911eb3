// A Windows program for tools/generate-windows1252-best-fit: asks the platform's
// WideCharToMultiByte for the code-page-1252 byte of every UTF-16 unit, with no flags.
// Prints "UUUU BB R" for each unit that converts (R is 1 when the byte converts back to
// the unit, 0 for a best fit); a unit that gets the default character is left out.
#include <windows.h>

#include <cstdio>

namespace {

// The unit's byte with `defaultChar` as the default character.
char Convert(WCHAR unit, const char* defaultChar)
{
    char byte = 0;
    WideCharToMultiByte(1252, 0, &unit, 1, &byte, 1, defaultChar, nullptr);
    return byte;
}

}  // namespace

int main()
{
    for (unsigned value = 1; value <= 0xFFFF; ++value) {
        const auto unit = static_cast<WCHAR>(value);
        // A unit that converts gives the same byte whatever the default character is.
        const char byte = Convert(unit, "\x01");
        if (byte != Convert(unit, "\x02"))
            continue;
        WCHAR back = 0;
        MultiByteToWideChar(1252, 0, &byte, 1, &back, 1);
        std::printf("%04X %02X %d\n", value, static_cast<unsigned char>(byte), back == unit ? 1 : 0);
    }
    return 0;
}
