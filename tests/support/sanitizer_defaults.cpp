// The sanitizer settings of every program that the sanitized build makes, compiled into
// the program so that it behaves the same however it is started (by CTest, by hand, or as
// a child process of a test). Options in the environment still add to these.

// Fortran run-times copy counted texts (file names) with strndup, reading at most the
// count; strict string checks would take each such text for a C string. Programs that run
// the Fortran run-time are built with QUILL_STRICT_STRING_CHECKS 0.
#ifndef QUILL_STRICT_STRING_CHECKS
#define QUILL_STRICT_STRING_CHECKS 1
#endif

#define QUILL_STRINGIZE(value) #value
#define QUILL_STRING(value) QUILL_STRINGIZE(value)

// The sanitizer run-times look these up by name in the program, so they are exported.
#define QUILL_SANITIZER_HOOK extern "C" __attribute__((visibility("default"), used))

QUILL_SANITIZER_HOOK const char* __asan_default_options()
{
    return "halt_on_error=1:abort_on_error=0:detect_leaks=1:strict_string_checks=" QUILL_STRING(
        QUILL_STRICT_STRING_CHECKS);
}

QUILL_SANITIZER_HOOK const char* __ubsan_default_options()
{
    return "halt_on_error=1:print_stacktrace=1";
}

// The design-tree link that each COrvelEngine creates lives to the end of the process by
// design; nothing else may leak.
QUILL_SANITIZER_HOOK const char* __lsan_default_suppressions()
{
    return "leak:NewDesignTreeLink\n";
}
