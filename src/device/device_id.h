#pragma once
// A device id names a folder below the user files folder, which each
// detection deletes and makes again. Only ids that are one plain path
// component may be used that way.

#include <wx/string.h>

// Non-empty, not "." or "..", no path separator, and nothing that
// MakeValidFileName would change (no control characters either).
bool IsSafeDeviceId(const wxString& id);
