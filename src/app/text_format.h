#pragma once
// Short texts shown in the lists, and the name and string conversions used on
// everything that comes from a device.

#include <cstdint>
#include <wx/string.h>

wxString FormatSize(std::uint64_t bytes);             // "1.50KB", "0KB", "5.00GB"
wxString FormatDuration(std::uint64_t milliseconds);  // "1:2:5"

// Replaces each of \ / : * ? " < > | by '_' in place; the length stays the same.
void MakeValidFileName(wxString& text);

// folder + name, with exactly one separator unless the folder already ends in one.
wxString JoinPath(const wxString& folder, const wxString& name);

// UTF-8 from a device or content library to text; null or empty gives "".
wxString Utf8ToString(const char* bytes);

// A newly allocated wide string the caller frees with free(); null input gives
// an empty string, invalid UTF-8 gives an empty string.
wchar_t* Utf8ToWide(const char* bytes);
