#include "app/text_format.h"

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>
#include <wx/filename.h>

// The list loaders format two numbers per row for tens of thousands of rows;
// the C library's narrow printf is several times faster than the toolkit's
// wide formatting and gives the same text.
wxString FormatSize(std::uint64_t bytes)
{
    const std::uint64_t gigabyte = 1073741824ULL;
    const std::uint64_t megabyte = 1048576ULL;
    char text[64];
    if (bytes >= gigabyte)
        std::snprintf(text, sizeof(text), "%.2fGB", static_cast<double>(bytes) / gigabyte);
    else if (bytes >= megabyte)
        std::snprintf(text, sizeof(text), "%.2fMB", static_cast<double>(bytes) / megabyte);
    else if (bytes > 0)
        std::snprintf(text, sizeof(text), "%.2fKB", static_cast<double>(bytes) / 1024);
    else
        return wxString("0KB");
    return wxString::FromAscii(text);
}

wxString FormatDuration(std::uint64_t milliseconds)
{
    const std::uint64_t seconds = milliseconds / 1000;
    const std::uint64_t hours = seconds / 3600;
    const std::uint64_t minutes = (seconds - hours * 3600) / 60;
    char text[80];
    std::snprintf(text, sizeof(text), "%llu:%llu:%llu", static_cast<unsigned long long>(hours),
                  static_cast<unsigned long long>(minutes), static_cast<unsigned long long>(seconds % 60));
    return wxString::FromAscii(text);
}

void MakeValidFileName(wxString& text)
{
    static const wxString invalid = "\\/:*?\"<>|";
    for (wxString::iterator it = text.begin(); it != text.end(); ++it) {
        if (invalid.Find(wxUniChar(*it)) != wxNOT_FOUND)
            *it = '_';
    }
}

wxString JoinPath(const wxString& folder, const wxString& name)
{
    if (folder.EndsWith("/") || folder.EndsWith("\\"))
        return folder + name;
    return folder + wxFileName::GetPathSeparator() + name;
}

wxString Utf8ToString(const char* bytes)
{
    if (bytes == nullptr || *bytes == '\0')
        return wxString();
    return wxString::FromUTF8(bytes);
}

wchar_t* Utf8ToWide(const char* bytes)
{
    const wxString text = bytes ? wxString::FromUTF8(bytes) : wxString();
    const std::wstring wide = text.ToStdWstring();
    const size_t length = wide.length();
    wchar_t* result = static_cast<wchar_t*>(std::malloc((length + 1) * sizeof(wchar_t)));
    if (result == nullptr)
        return nullptr;
    std::wmemcpy(result, wide.data(), length);
    result[length] = L'\0';
    return result;
}
