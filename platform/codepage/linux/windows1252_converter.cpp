// The converter's name stands alone in this file, so that a test program can link a name
// of its own in its place.
#include "platform/codepage/linux/windows1252.h"

const char* const Windows1252ConverterName = "CP1252";
