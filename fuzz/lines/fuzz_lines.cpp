// Any bytes through the line reader of merlos-solve, with a small limit, in chunks the input
// chooses: the same lines as a plain split of the whole input, whole or in chunks.
#include "lines_support.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto in = linestest::ReadFuzzInput(std::string_view(reinterpret_cast<const char*>(data), size));
    if (in && !linestest::Agrees(*in))
        std::abort();
    return 0;
}
