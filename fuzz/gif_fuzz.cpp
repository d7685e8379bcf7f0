// Feeds arbitrary bytes to the turret picture reader. Any input must end in
// an acceptance or a refusal; the sanitizers catch everything else.

#include <cstddef>
#include <cstdint>

#include "core/files/gif_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const zan::GifResult result = zan::ReadGif({data, size});
    // A refusal always names its reason; an acceptance never does.
    if (result.ok() == !result.message.empty()) __builtin_trap();
    return 0;
}
