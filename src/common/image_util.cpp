#include "common/image_util.h"

#include <cstring>
#include <memory>

#include <wx/filename.h>
#include <wx/filesys.h>
#include <wx/log.h>
#include <wx/stream.h>

#include "app/product_paths.h"
#include "common/runtime_check.h"

namespace {

// A fully transparent image of the given size.
wxImage TransparentImage(int width, int height)
{
    wxImage image(width, height, true);
    image.InitAlpha();
    std::memset(image.GetAlpha(), 0, static_cast<size_t>(width) * height);
    return image;
}

// Copies `piece` into `target` at (x, y), cut to the target. Colour and alpha
// are replaced; pixels of the piece's mask colour are skipped.
void PasteImage(wxImage& target, const wxImage& piece, int x, int y)
{
    const wxRect area = wxRect(x, y, piece.GetWidth(), piece.GetHeight())
                            .Intersect(wxRect(0, 0, target.GetWidth(), target.GetHeight()));
    if (area.IsEmpty())
        return;
    if (piece.HasAlpha() && !target.HasAlpha())
        target.InitAlpha();

    const bool masked = piece.HasMask();
    const unsigned char maskRed = piece.GetMaskRed();
    const unsigned char maskGreen = piece.GetMaskGreen();
    const unsigned char maskBlue = piece.GetMaskBlue();
    const unsigned char* sourceRgb = piece.GetData();
    const unsigned char* sourceAlpha = piece.HasAlpha() ? piece.GetAlpha() : nullptr;
    unsigned char* targetRgb = target.GetData();
    unsigned char* targetAlpha = target.HasAlpha() ? target.GetAlpha() : nullptr;

    for (int row = area.y; row < area.GetBottom() + 1; ++row) {
        for (int column = area.x; column < area.GetRight() + 1; ++column) {
            const size_t from = static_cast<size_t>(row - y) * piece.GetWidth() + (column - x);
            const size_t to = static_cast<size_t>(row) * target.GetWidth() + column;
            const unsigned char* rgb = sourceRgb + 3 * from;
            if (masked && rgb[0] == maskRed && rgb[1] == maskGreen && rgb[2] == maskBlue)
                continue;
            std::memcpy(targetRgb + 3 * to, rgb, 3);
            if (targetAlpha != nullptr)
                targetAlpha[to] = sourceAlpha != nullptr ? sourceAlpha[from] : 255;
        }
    }
}

// The rectangle of the source image, with transparent pixels where it reaches
// past the source's edges.
wxImage ImageRect(const wxImage& source, const wxRect& rect)
{
    const wxRect inside = rect.Intersect(wxRect(0, 0, source.GetWidth(), source.GetHeight()));
    if (inside == rect)
        return source.GetSubImage(rect);  // keeps the mask colour and alpha
    wxImage result = TransparentImage(rect.width, rect.height);
    if (!inside.IsEmpty())
        PasteImage(result, source.GetSubImage(inside), inside.x - rect.x, inside.y - rect.y);
    return result;
}

} // namespace

wxString GetThemeArchivePath()
{
    return GetInstallDir() + "/Themes/default.zip";
}

wxString GetThemeImageLocation(const wxString& name)
{
    return wxFileSystem::FileNameToURL(wxFileName(GetThemeArchivePath())) + "#zip:" + name;
}

wxBitmap GetThemeBitmap(const wxString& name)
{
    wxLogNull quiet;  // a failed load is an answer, not an error to report
    wxFileSystem fileSystem;
    const std::unique_ptr<wxFSFile> file(fileSystem.OpenFile(GetThemeImageLocation(name), wxFS_READ));
    if (!file || file->GetStream() == nullptr)
        return wxNullBitmap;
    wxImage image;
    if (!image.LoadFile(*file->GetStream(), wxBITMAP_TYPE_PNG) || !image.IsOk())
        return wxNullBitmap;
    wxBitmap bitmap(image);
    return bitmap.IsOk() ? bitmap : wxNullBitmap;
}

wxBitmap* LoadThemeBitmap(const wxString& name)
{
    const wxBitmap bitmap = GetThemeBitmap(name);
    return bitmap.IsOk() ? new wxBitmap(bitmap) : nullptr;
}

wxBitmap CropBitmapStrip(const wxBitmap& source, int x, int width)
{
    if (!source.IsOk() || width <= 0 || source.GetHeight() <= 0)
        return wxNullBitmap;
    return wxBitmap(ImageRect(source.ConvertToImage(), wxRect(x, 0, width, source.GetHeight())));
}

wxBitmap* CopyBitmapRect(const wxBitmap& source, int x, int y, int width, int height)
{
    if (!source.IsOk() || width <= 0 || height <= 0)
        return nullptr;
    return new wxBitmap(ImageRect(source.ConvertToImage(), wxRect(x, y, width, height)));
}

bool TileBitmap(const wxBitmap& tile, wxBitmap& target)
{
    if (!tile.IsOk() || !target.IsOk() || tile.GetWidth() <= 0 || tile.GetHeight() <= 0)
        return false;
    const wxImage tileImage = tile.ConvertToImage();
    wxImage targetImage = target.ConvertToImage();
    const int width = targetImage.GetWidth();
    const int height = targetImage.GetHeight();
    for (int y = 0; y < height; y += tileImage.GetHeight())
        for (int x = 0; x < width; x += tileImage.GetWidth())
            PasteImage(targetImage, tileImage, x, y);  // the paste cuts the last ones
    target = wxBitmap(targetImage);
    return true;
}

void ConvertMaskToAlpha(wxImage& image)
{
    RUNTIME_CHECK(image.HasMask());
    RUNTIME_CHECK(!image.HasAlpha());
    image.SetAlpha();
    const unsigned char maskRed = image.GetMaskRed();
    const unsigned char maskGreen = image.GetMaskGreen();
    const unsigned char maskBlue = image.GetMaskBlue();
    const unsigned char* rgb = image.GetData();
    unsigned char* alpha = image.GetAlpha();
    const size_t count = static_cast<size_t>(image.GetWidth()) * image.GetHeight();
    for (size_t i = 0; i < count; ++i, rgb += 3) {
        const bool isMask = rgb[0] == maskRed && rgb[1] == maskGreen && rgb[2] == maskBlue;
        alpha[i] = isMask ? 0 : 255;
    }
    image.SetMask(false);
}

wxBitmap EnsureAlphaBitmap(const wxBitmap& bitmap)
{
    if (!bitmap.IsOk())
        return bitmap;
    wxImage image = bitmap.ConvertToImage();
    if (image.HasAlpha() || !image.HasMask())
        return bitmap;
    ConvertMaskToAlpha(image);
    return wxBitmap(image);
}

wxBitmap TransparentBitmap(const wxSize& size)
{
    if (size.x <= 0 || size.y <= 0)
        return wxNullBitmap;
    return wxBitmap(TransparentImage(size.x, size.y));
}

void PasteBitmap(wxBitmap& target, const wxBitmap& piece, int x, int y)
{
    if (!target.IsOk() || !piece.IsOk())
        return;
    wxImage targetImage = target.ConvertToImage();
    PasteImage(targetImage, piece.ConvertToImage(), x, y);
    target = wxBitmap(targetImage);
}

wxBitmap TiledPiece(const wxBitmap& tile, const wxRect& rect)
{
    if (!tile.IsOk() || tile.GetWidth() <= 0 || tile.GetHeight() <= 0 || rect.IsEmpty())
        return wxNullBitmap;
    const wxImage tileImage = tile.ConvertToImage();
    const int tileWidth = tileImage.GetWidth();
    const int tileHeight = tileImage.GetHeight();
    // Where the rectangle's corner falls inside a tile, also for negative origins.
    const int phaseX = ((rect.x % tileWidth) + tileWidth) % tileWidth;
    const int phaseY = ((rect.y % tileHeight) + tileHeight) % tileHeight;

    wxImage piece(rect.width, rect.height, false);
    if (tileImage.HasAlpha() || tileImage.HasMask())
        piece = TransparentImage(rect.width, rect.height);
    for (int y = -phaseY; y < rect.height; y += tileHeight)
        for (int x = -phaseX; x < rect.width; x += tileWidth)
            PasteImage(piece, tileImage, x, y);
    return wxBitmap(piece);
}

wxBitmap BackgroundPiece(const wxBitmap& background, const wxRect& rect)
{
    if (!background.IsOk())
        return wxNullBitmap;
    const wxRect inside = rect.Intersect(wxRect(background.GetSize()));
    if (inside.IsEmpty())
        return wxNullBitmap;
    return wxBitmap(background.ConvertToImage().GetSubImage(inside));
}
