#include "picture_writer.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <vector>

#include <jpeglib.h>
#include <zlib.h>

namespace {

void PutBigEndian32(std::vector<unsigned char>* out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out->push_back(static_cast<unsigned char>(value >> shift));
}

void PutChunk(std::vector<unsigned char>* out, const char* type, const std::vector<unsigned char>& data)
{
    PutBigEndian32(out, static_cast<std::uint32_t>(data.size()));
    const size_t start = out->size();
    out->insert(out->end(), type, type + 4);
    out->insert(out->end(), data.begin(), data.end());
    const uLong crc = crc32(0, out->data() + start, static_cast<uInt>(out->size() - start));
    PutBigEndian32(out, static_cast<std::uint32_t>(crc));
}

} // namespace

bool PictureWriter::WritePng(const Canvas& canvas, const std::string& path)
{
    const int width = canvas.Width(), height = canvas.Height();
    // Each row with filter "Sub": gradients then compress well.
    std::vector<unsigned char> raw;
    raw.reserve(static_cast<size_t>(height) * (1 + width * 3));
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* row = canvas.Row(y);
        raw.push_back(1);
        for (int i = 0; i < width * 3; ++i)
            raw.push_back(static_cast<unsigned char>(row[i] - (i >= 3 ? row[i - 3] : 0)));
    }
    uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
    std::vector<unsigned char> packed(packedSize);
    if (compress2(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size()), 6) != Z_OK)
        return false;
    packed.resize(packedSize);

    std::vector<unsigned char> file = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    std::vector<unsigned char> header;
    PutBigEndian32(&header, static_cast<std::uint32_t>(width));
    PutBigEndian32(&header, static_cast<std::uint32_t>(height));
    header.insert(header.end(), {8, 2, 0, 0, 0}); // 8-bit RGB, deflate, adaptive filters, no interlace
    PutChunk(&file, "IHDR", header);
    PutChunk(&file, "IDAT", packed);
    PutChunk(&file, "IEND", {});
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
    return static_cast<bool>(out);
}

bool PictureWriter::WriteJpeg(const Canvas& canvas, const std::string& path, int quality)
{
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = static_cast<JDIMENSION>(canvas.Width());
    info.image_height = static_cast<JDIMENSION>(canvas.Height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(canvas.Row(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return std::fclose(file) == 0;
}
