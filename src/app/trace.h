#pragma once
// Diagnostic trace lines on standard output ("Entry ...", "Leave ...",
// "......Init dir: ..."). Each line is written whole and flushed at once, so
// none is lost when the program is killed or crashes. Safe from any thread.

#include <wx/string.h>

void TraceLine(const wxString& line);
void TraceLine(const char* utf8Line);
