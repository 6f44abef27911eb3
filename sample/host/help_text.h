#pragma once
// What the sample host says of itself with --help, and the legend under its table.

// What the status codes in the table mean.
inline constexpr char StatusLegend[] =
    "status: 0 accepted or not checked, 6 missing, 9 out of the plausible range, 4 any other finding";

// Prints the usage, what a case file holds, what the output and the exit status mean.
void PrintHelp();
