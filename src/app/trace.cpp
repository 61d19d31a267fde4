#include "app/trace.h"

#include <cstdio>
#include <string>

void TraceLine(const char* utf8Line)
{
    std::string buffer(utf8Line ? utf8Line : "");
    buffer += '\n';
    // One write per line keeps lines from different threads apart.
    std::fwrite(buffer.data(), 1, buffer.size(), stdout);
    std::fflush(stdout);
}

void TraceLine(const wxString& line)
{
    TraceLine(line.utf8_str().data());
}
