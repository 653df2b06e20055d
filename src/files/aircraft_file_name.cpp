#include "files/aircraft_file.h"

#include <string>

namespace ws {

bool isFileNamePattern(std::string_view name) {
    return name == "*.da4" || name == "*.DA4";
}

std::string withAircraftExtension(std::string_view name) {
    std::string result(name);
    // Case-sensitive on purpose: "plane.Da4" gets a second extension.
    if (result.find(".da4") == std::string::npos && result.find(".DA4") == std::string::npos)
        result += ".da4";
    return result;
}

}  // namespace ws
