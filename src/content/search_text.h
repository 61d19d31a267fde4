#pragma once
// Lower-casing for the search and the media filter. Works the same whatever
// C library locale the program runs under: a plain "C" locale lower-cases
// only ASCII, which would leave Greek, Cyrillic or accented titles unmatched.

#include <string>

#include <wx/string.h>

std::wstring LowerForSearch(const wxString& text);

// Appends the lower-cased text to out, without a temporary string.
void AppendLowerForSearch(const wxString& text, std::wstring& out);
