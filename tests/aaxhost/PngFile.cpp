#include "tests/aaxhost/PngFile.h"

#include <png.h>

#include <cstdio>
#include <memory>

namespace quindle::test::aaxhost
{
    bool writePng (const std::string& path, const x11::Image& image)
    {
        const std::unique_ptr<FILE, int (*) (FILE*)> file (std::fopen (path.c_str(), "wb"), &std::fclose);
        if (file == nullptr || image.width <= 0 || image.height <= 0)
            return false;

        auto* png = png_create_write_struct (PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
        auto* info = png != nullptr ? png_create_info_struct (png) : nullptr;
        if (info == nullptr || setjmp (png_jmpbuf (png)) != 0)
        {
            png_destroy_write_struct (&png, &info);
            return false;
        }

        png_init_io (png, file.get());
        png_set_IHDR (png, info, static_cast<png_uint_32> (image.width), static_cast<png_uint_32> (image.height), 8,
                      PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        png_write_info (png, info);

        for (int row = 0; row < image.height; ++row)
            png_write_row (png, image.rgb.data() + static_cast<size_t> (row) * static_cast<size_t> (image.width) * 3);

        png_write_end (png, nullptr);
        png_destroy_write_struct (&png, &info);
        return true;
    }
} // namespace quindle::test::aaxhost
