#pragma once
// The width and height a PNG file's header gives; (0, 0) for anything that is no PNG.

#include <cstdint>
#include <string>
#include <utility>

namespace trovale::testing {

inline std::pair<std::uint32_t, std::uint32_t> dimensoesPng(const std::string& png) {
    if (png.size() < 24 || png.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0) return {0, 0};
    auto palavra = [&](std::size_t i) {
        std::uint32_t v = 0;
        for (std::size_t k = 0; k < 4; ++k) v = v << 8 | static_cast<unsigned char>(png[i + k]);
        return v;
    };
    return {palavra(16), palavra(20)};
}

}  // namespace trovale::testing
