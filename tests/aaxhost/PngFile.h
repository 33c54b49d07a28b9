#pragma once

#include "common/x11/X11TestSupport.h"

#include <string>

namespace aaxhost
{
    /** Writes the pixels as an 8-bit RGB PNG file; false when the file cannot be written. */
    bool writePng (const std::string& path, const x11test::Image& image);
} // namespace aaxhost
