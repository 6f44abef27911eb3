#pragma once
// A process without /proc, as some containers and sandboxes run hosts: the calling process
// enters a user and mount namespace of its own, and an empty file system covers /proc there.
// Call it in a child process of a test: it cannot be undone.

// The exit code of a child that the machine allows no namespace of its own.
inline constexpr int NoPrivateNamespace = 125;

// Whether /proc is hidden now; false when the machine allows no such namespace.
bool HideProc();
