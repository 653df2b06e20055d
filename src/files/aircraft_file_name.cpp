#include "files/aircraft_file.h"

#include <string>

namespace ws {

bool isFileNamePattern(std::string_view name) {
    return name == "*.da4" || name == "*.DA4";
}

std::string withAircraftExtension(std::string_view name) {
    // The folders' names do not count.
    const std::size_t slash = name.find_last_of('/');
    const std::string_view file = slash == std::string_view::npos ? name : name.substr(slash + 1);
    std::string result(name);
    // Case-sensitive on purpose: "plane.Da4" gets a second extension.
    if (file.find(".da4") == std::string_view::npos && file.find(".DA4") == std::string_view::npos)
        result += ".da4";
    return result;
}

}  // namespace ws
