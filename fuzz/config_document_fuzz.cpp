// Arbitrary bytes -> read -> write -> read gives the same lists, and a second write gives
// the same bytes: unchanged lines come back identical.
#include "core/config_document.hpp"

#include <cstdint>
#include <cstdlib>
#include <string>

using korvane::ConfigDocument;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string bytes(reinterpret_cast<const char*>(data), size);
    ConfigDocument first;
    first.Append(bytes);
    const std::string written = first.Write();
    ConfigDocument second;
    second.Append(written);
    if (second.Count() != first.Count() || second.Write() != written) {
        std::abort();
    }
    for (std::size_t k = 0; k < first.Count(); ++k) {
        const auto i = static_cast<long long>(k);
        if (first.ValueView(i) != second.ValueView(i) || first.TailView(i) != second.TailView(i) ||
            first.DescriptionView(i) != second.DescriptionView(i)) {
            std::abort();
        }
    }
    // A changed value comes back as itself when it has no blank, ';' or line end of its own.
    if (first.Count() > 0) {
        first.SetValue(0, "42");
        ConfigDocument third;
        third.Append(first.Write());
        if (third.Count() != first.Count()) {
            std::abort();
        }
    }
    return 0;
}
