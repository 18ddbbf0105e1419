#include "ImageFiles.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <vector>

#include <jpeglib.h>
#include <png.h>

namespace assets {
namespace {

struct JpegErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf escape;
};

// libjpeg's default error handler ends the process; this one jumps back to the caller.
[[noreturn]] void JumpOut(j_common_ptr info) {
    std::longjmp(reinterpret_cast<JpegErrorManager*>(info->err)->escape, 1);
}

// Compresses RGB rows into a buffer that libjpeg allocates (free() it). Only plain C objects live
// in this function, so leaving it through longjmp skips no destructor.
bool CompressJpeg(const std::uint8_t* rgb, int width, int height, int quality,
                  unsigned char** bytes, unsigned long* size) {
    jpeg_compress_struct info;
    JpegErrorManager errors;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = JumpOut;
    if (setjmp(errors.escape)) {
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, bytes, size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    info.optimize_coding = TRUE;
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb + static_cast<std::size_t>(info.next_scanline) *
                                                      static_cast<std::size_t>(width) * 3);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

}  // namespace

bool WritePng(const Canvas& canvas, const std::filesystem::path& path, bool withAlpha,
              std::string& reason) {
    const std::vector<std::uint8_t> pixels = withAlpha ? canvas.Rgba8() : canvas.Rgb8();
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(canvas.Width());
    image.height = static_cast<png_uint_32>(canvas.Height());
    image.format = withAlpha ? PNG_FORMAT_RGBA : PNG_FORMAT_RGB;
    if (!png_image_write_to_file(&image, path.c_str(), 0, pixels.data(), 0, nullptr)) {
        reason = image.message;
        return false;
    }
    return true;
}

bool WriteJpeg(const Canvas& canvas, const std::filesystem::path& path, int quality,
               std::string& reason) {
    const std::vector<std::uint8_t> pixels = canvas.Rgb8();
    unsigned char* bytes = nullptr;
    unsigned long size = 0;
    if (!CompressJpeg(pixels.data(), canvas.Width(), canvas.Height(), quality, &bytes, &size)) {
        std::free(bytes);
        reason = "JPEG compression failed";
        return false;
    }
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes), static_cast<std::streamsize>(size));
    std::free(bytes);
    if (!file.good()) {
        reason = "cannot write " + path.string();
        return false;
    }
    return true;
}

}  // namespace assets
