#pragma once
// The gallery's client-area and dialog sections (see gallery_sections.h).

#include <functional>

class wxBitmap;
class wxWindow;

std::function<void()> BuildDeviceSummary(wxWindow* root);
std::function<void()> BuildPictures(wxWindow* root);
std::function<void()> BuildAbout(wxWindow* root);
std::function<void()> BuildMessages(wxWindow* root);
std::function<void()> BuildGettingStarted(wxWindow* root);
std::function<void()> BuildStatusBar(wxWindow* root);

// Keeps a bitmap that widgets only point at until the gallery ends.
const wxBitmap* KeepBitmap(const wxBitmap& bitmap);
