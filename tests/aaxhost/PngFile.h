#pragma once

#include "tests/common/x11/X11TestSupport.h"

#include <string>

namespace quindle::test::aaxhost
{
    /** Writes the pixels as an 8-bit RGB PNG file; false when the file cannot be written. */
    bool writePng (const std::string& path, const x11::Image& image);
} // namespace quindle::test::aaxhost
