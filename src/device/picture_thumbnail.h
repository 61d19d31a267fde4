#pragma once
// Making one thumbnail: the picture is copied off the current device into the
// loader's cache folder and decoded there. The steps are exposed so that the
// file naming and the decoding can be checked (and timed) on their own.

#include <wx/image.h>
#include <wx/string.h>

struct PictureLoaderKind;
class LoadPictureInfo;

constexpr int kThumbnailSize = 100;

// The name the picture is cached under: the last component of its device
// path. Empty when that would not be a file of the cache folder itself
// (nothing after the last "/", ".", "..").
wxString ThumbnailCacheName(const wxString& devicePath);

// Decodes a local PNG or JPEG file (chosen by its extension, ".png" or
// ".jpg" in any case) and scales it to exactly 100 by 100. False for any
// other file, an empty or missing one, or one that does not decode; the
// toolkit's log stays silent. Safe on any thread.
bool DecodeThumbnail(const wxString& localFile, wxImage& thumbnail);

// Fills info.thumbnail and info.bitmapReady for info.devicePath on the device
// chosen in the DeviceTable: the cached copy is always fetched anew (up to
// three tries). Takes deviceTableMutex for the copy; the caller holds the
// kind's generation mutex, so the table cannot be rebuilt meanwhile.
void LoadThumbnail(const PictureLoaderKind& kind, LoadPictureInfo& info);
