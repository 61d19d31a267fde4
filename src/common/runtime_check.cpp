#include "common/runtime_check.h"

#include <cstdio>
#include <cstdlib>

void FailRuntimeCheck(const char* file, int line, const char* condition)
{
    std::fprintf(stderr, "%s:%d: Assertion `%s' failed.\n", file, line, condition);
    std::fflush(stderr);
    std::abort();
}
