#include "app/file_names.h"

namespace korvane {

std::string_view file_name_part(std::string_view path) {
    std::size_t cut = path.find_last_of("\\/:");
    return cut == std::string_view::npos ? path : path.substr(cut + 1);
}

std::string_view extension_of(std::string_view path) {
    std::string_view name = file_name_part(path);
    std::size_t dot = name.rfind('.');
    return dot == std::string_view::npos ? std::string_view() : name.substr(dot);
}

std::string with_default_extension(std::string_view path, std::string_view extension) {
    std::string out(path);
    if (extension_of(path).empty()) out += extension;
    return out;
}

}  // namespace korvane
