#pragma once
// The name a picture is shown and exported under, taken from its device path.

#include <wx/string.h>

// The last component of the path (backslashes count as slashes) without its
// last extension: "DCIM\100APPLE\IMG_0001.JPG" gives "IMG_0001",
// "archive.tar.gz" gives "archive.tar". A name whose only dot is its first
// character (".hidden") or that has no dot ("README") is kept whole.
wxString DisplayNameOfPath(const wxString& path);
