#pragma once
// The gallery's sections: each one a screenshot of a group of widgets, in all
// the states they have, on the backgrounds the program puts them on.

#include <functional>
#include <vector>

#include <wx/gdicmn.h>
#include <wx/string.h>

class wxWindow;

struct GallerySection {
    wxString name;  // file name of the screenshot, without ".png"
    wxSize size;    // client size of the section's frame
    // Builds the windows on `root`. The function it returns runs once the
    // frame is on screen and puts the widgets into the states to show.
    std::function<std::function<void()>(wxWindow* root)> build;
};

std::vector<GallerySection> GallerySections();
