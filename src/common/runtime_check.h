#pragma once
// Checks that stay in release builds and stop the program when they fail: the
// image utilities and the widgets that cannot draw anything sensible without
// their pictures use them for conditions a complete installation always meets.
// The failure line names the source file, the line and the condition.

[[noreturn]] void FailRuntimeCheck(const char* file, int line, const char* condition);

#define RUNTIME_CHECK(condition) RUNTIME_CHECK_TEXT(condition, #condition)

// The same with the reported text given, where it should name the member the
// reader knows rather than the local expression.
#define RUNTIME_CHECK_TEXT(condition, text)                                   \
    do {                                                                      \
        if (!(condition))                                                     \
            FailRuntimeCheck(__FILE__, __LINE__, text);                       \
    } while (false)
