#pragma once
// The theme option table: colours, a crop rectangle and a font size for the
// skinned widgets, read once at start-up from Themes/face.xml. Keys are element
// paths such as "/face/titlebar/titletext-colour". Filled before any window
// exists and only read afterwards, so it takes no lock.

#include <wx/colour.h>
#include <wx/string.h>

struct FaceOption {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// -1 when the file cannot be opened, otherwise 0 (also after a syntax error,
// which is reported as one line on standard error; entries read before it stay).
int LoadFaceOptions(const wxString& path);

// The record stored for a key; an absent key gives an all-zero record.
FaceOption FindFaceOption(const wxString& key);
bool HasFaceOption(const wxString& key);

// A colour key read as red = x, green = y, blue = width, each modulo 256, opaque.
wxColour FindFaceColour(const wxString& key);

// Empties the table (tests load several files in one process).
void ClearFaceOptions();
