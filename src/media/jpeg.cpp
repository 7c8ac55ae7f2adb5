#include "media/jpeg.h"

// clang-format off
#include <cstdio>
#include <jpeglib.h>
// clang-format on

#include <csetjmp>
#include <cstdlib>

#include "league/error.h"
#include "media/tga.h"

namespace zt::media {

namespace {

// libjpeg reports a fatal error by calling error_exit, which must not return: it jumps back to
// the call that started the work. No object with a destructor lives between the two points.
struct JumpingErrors {
    jpeg_error_mgr manager;
    std::jmp_buf back;
};

[[noreturn]] void jumpBack(j_common_ptr info) {
    auto* errors = reinterpret_cast<JumpingErrors*>(info->err);
    std::longjmp(errors->back, 1);
}

void silent(j_common_ptr, int) {}

// Decodes into `out` (already empty); false when libjpeg gave up.
bool decodeInto(std::span<const std::uint8_t> bytes, Image& out, std::vector<std::uint8_t>& row) {
    jpeg_decompress_struct info{};
    JumpingErrors errors{};
    info.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = jumpBack;
    errors.manager.emit_message = silent;
    if (setjmp(errors.back) != 0) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    if (info.output_width == 0 || info.output_height == 0 || info.output_width > 16384 || info.output_height > 16384 ||
        info.output_components != 3) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    out.width = static_cast<int>(info.output_width);
    out.height = static_cast<int>(info.output_height);
    out.rgba.resize(static_cast<std::size_t>(out.width) * static_cast<std::size_t>(out.height) * 4);
    row.resize(static_cast<std::size_t>(out.width) * 3);
    while (info.output_scanline < info.output_height) {
        JSAMPROW rows[1] = {row.data()};
        const int y = static_cast<int>(info.output_scanline);
        if (jpeg_read_scanlines(&info, rows, 1) != 1) {
            break;
        }
        for (int x = 0; x < out.width; ++x) {
            std::uint8_t* q = out.pixel(x, y);
            const std::uint8_t* p = row.data() + static_cast<std::size_t>(x) * 3;
            q[0] = p[0];
            q[1] = p[1];
            q[2] = p[2];
            q[3] = 255;
        }
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

bool encodeInto(
    const Image& image, int quality, unsigned char*& buffer, unsigned long& size, std::vector<std::uint8_t>& row) {
    jpeg_compress_struct info{};
    JumpingErrors errors{};
    info.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = jumpBack;
    errors.manager.emit_message = silent;
    if (setjmp(errors.back) != 0) {
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(image.width);
    info.image_height = static_cast<JDIMENSION>(image.height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    row.resize(static_cast<std::size_t>(image.width) * 3);
    while (info.next_scanline < info.image_height) {
        const int y = static_cast<int>(info.next_scanline);
        for (int x = 0; x < image.width; ++x) {
            const std::uint8_t* p = image.pixel(x, y);
            std::uint8_t* q = row.data() + static_cast<std::size_t>(x) * 3;
            q[0] = p[0];
            q[1] = p[1];
            q[2] = p[2];
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

}  // namespace

Image decodeJpeg(std::span<const std::uint8_t> bytes) {
    Image image;
    std::vector<std::uint8_t> row;
    if (bytes.empty() || !decodeInto(bytes, image, row)) {
        throw Error(kInvalidFileMessage);
    }
    return image;
}

std::vector<std::uint8_t> encodeJpeg(const Image& image, int quality) {
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    std::vector<std::uint8_t> row;
    const bool done = encodeInto(image, quality, buffer, size, row);
    std::vector<std::uint8_t> out;
    if (done && buffer != nullptr) {
        out.assign(buffer, buffer + size);
    }
    std::free(buffer);
    if (!done) {
        throw Error("The picture could not be encoded as JPG.");
    }
    return out;
}

}  // namespace zt::media
