// The entry rule takes any text a user can type or a file can hold.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "model/entry_rule.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    (void)ws::entryValue(text);
    if (!std::isfinite(ws::decimalValue(text))) std::abort();
    return 0;
}
