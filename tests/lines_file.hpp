// Game files for tests, shared by the native and the Windows tests: n lines
// "value\t; line k" with CR LF ends, every value not given "0".
#pragma once

#include <map>
#include <string>

namespace korvane::testing {

inline std::string LinesFile(int n, const std::map<int, std::string>& values = {}) {
    std::string s;
    for (int k = 0; k < n; ++k) {
        auto it = values.find(k);
        s += (it == values.end() ? std::string("0") : it->second) + "\t; line " +
             std::to_string(k) + "\r\n";
    }
    return s;
}

} // namespace korvane::testing
