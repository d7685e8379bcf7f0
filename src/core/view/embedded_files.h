#pragma once
// Files compiled into the program as bytes (cmake/embed_files.cmake writes
// their source at build time), so that nothing is read at run time.

#include <span>
#include <string_view>

namespace zan {

struct EmbeddedFile {
    std::string_view name;  // the file name, e.g. "chuck_stopped.png"
    std::span<const unsigned char> bytes;
};

// The lathe view's pictures, resources/lathe/*.png.
std::span<const EmbeddedFile> EmbeddedLathePictures();

}  // namespace zan
