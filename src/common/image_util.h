#pragma once
// Theme images and the few bitmap operations the skinned widgets share.
//
// Every picture of the interface is a PNG inside Themes/default.zip below the
// installation folder, asked for by its name in the archive, such as
// "image/title/close_normal.png". The archive is opened afresh for every load;
// widgets load their pictures once and keep them.
//
// The pixel operations work on the images behind the bitmaps, so they copy
// colour, alpha and mask exactly instead of compositing through a drawing
// context: a transparent pixel stays transparent.

#include <wx/bitmap.h>
#include <wx/gdicmn.h>
#include <wx/image.h>
#include <wx/string.h>

// Path of the theme archive: GetInstallDir() + "/Themes/default.zip".
wxString GetThemeArchivePath();

// The virtual file system location of an image: the archive's file URL,
// "#zip:" and the name. Needs the archive handler that OnInit registers.
wxString GetThemeImageLocation(const wxString& name);

// A new bitmap owned by the caller, or null when the image cannot be had
// (archive missing, name not in it, data not PNG).
wxBitmap* LoadThemeBitmap(const wxString& name);

// The same by value: the invalid bitmap on failure.
wxBitmap GetThemeBitmap(const wxString& name);

// Columns x to x + width - 1 of the source at its full height; invalid when
// the width is not positive. Columns outside the source come out transparent.
wxBitmap CropBitmapStrip(const wxBitmap& source, int x, int width);

// A new bitmap owned by the caller holding that rectangle of the source, or
// null for an empty size. Pixels outside the source come out transparent.
wxBitmap* CopyBitmapRect(const wxBitmap& source, int x, int y, int width, int height);

// Repeats the tile over the whole target, the last row and column cut to fit.
// False (and the target untouched) when either bitmap is invalid or empty.
bool TileBitmap(const wxBitmap& tile, wxBitmap& target);

// Turns the image's mask colour into an alpha channel in place: alpha 0 at
// pixels of the mask colour, 255 elsewhere; the mask is switched off. The
// image must have a mask and no alpha yet (checked; the program stops).
void ConvertMaskToAlpha(wxImage& image);

// A bitmap with alpha in place of a mask colour. Bitmaps that already have
// alpha, or have no mask, come back as they are.
wxBitmap EnsureAlphaBitmap(const wxBitmap& bitmap);

// A bitmap of the given size whose every pixel is fully transparent.
wxBitmap TransparentBitmap(const wxSize& size);

// Copies the piece into the target with its top-left corner at (x, y), cut to
// the target: colour and alpha are replaced, pixels of the piece's mask colour
// are left out. A piece with alpha gives the target an alpha channel.
void PasteBitmap(wxBitmap& target, const wxBitmap& piece, int x, int y);

// The part of an endless plane tiled with `tile` from (0, 0) that lies under
// `rect`: what a widget shows when its parent fills itself with a tiled
// background. Invalid for an empty rectangle or tile.
wxBitmap TiledPiece(const wxBitmap& tile, const wxRect& rect);

// The part of `background` under `rect`, cut to the background's extent;
// invalid when nothing of the rectangle lies on it.
wxBitmap BackgroundPiece(const wxBitmap& background, const wxRect& rect);
