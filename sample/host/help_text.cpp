// What the sample host says of itself.
#include "sample/host/help_text.h"

#include "sample/host/command_line.h"

#include <cstdio>

void PrintHelp()
{
    std::printf("%s\n       quill_sample_host --help | -h\n", Usage);
    std::printf(R"(
Runs a design case through the engine adaptor QuillSTMech.dll as a host does: holds the
case's values in the host's map, sends them to the engine, brings the engine's check back,
runs the design, and prints what happened.

The case file's name must hold ".QXR", in upper case: the design run takes the case path
up to it, and does not run without it. The run number, a whole number from -2147483648 to
2147483647 (0 when none is given), is handed to the design run, which reads it right
behind the first ".QXR": for a case name that goes on after it, the run number is lost.

A case file holds one design variable per line:

    Name = value [source]

  Name     a scalar design variable as the dictionary spells it, such as DesPressSS
  value    a number in SI units
  source   0: none, the value is cleared instead of sent to the engine
           1: protected, the engine's check does not overwrite it
           3: a host input (when no source is given)
A '#' starts a comment; blank lines are skipped.

The output is a table with one row per variable of the case: the value and source that
the case gives ("sent", though a value of source 0 is cleared instead); the value and
source in the host's map after the engine's check ("afterwards"); and the status code
that the engine's check gave it:
  %s
Then the design run's report, which the design module writes beside the case as
"<case>-run.txt". The report of an earlier run of the case is removed before the run.

Exit status: 0 the design run wrote its report; 1 it gave none (the reason is printed
where the host can tell); 2 the command line or the case file was refused.
)",
                StatusLegend);
}
