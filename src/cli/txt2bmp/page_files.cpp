#include "page_files.h"

#include <string_view>

namespace korvane::txt2bmp {

std::vector<std::string> page_file_names(const std::string& output, std::size_t count) {
    auto slash = output.find_last_of('/');
    auto dot = output.find_last_of('.');
    // A dot that starts the name (".hidden") or lies in a folder's name is no extension's.
    bool has_extension = dot != std::string::npos && dot > (slash == std::string::npos ? 0 : slash + 1);
    std::string_view stem(output.data(), has_extension ? dot : output.size());
    std::string_view extension = has_extension ? std::string_view(output).substr(dot) : std::string_view();
    const std::size_t digits = std::to_string(count).size();
    std::vector<std::string> names;
    names.reserve(count);
    for (std::size_t page = 1; page <= count; ++page) {
        std::string number = std::to_string(page);
        names.push_back(std::string(stem) + "-" + std::string(digits - number.size(), '0') + number +
                        std::string(extension));
    }
    return names;
}

}  // namespace korvane::txt2bmp
