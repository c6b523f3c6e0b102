#pragma once

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <string>

namespace kz::test {

// Every file and folder under a root, with the size and a hash of each file's bytes: what
// "nothing was written" means.
inline std::map<std::string, std::string> snapshot(const std::filesystem::path& root) {
    namespace fs = std::filesystem;
    std::map<std::string, std::string> tree;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        std::string content = "<folder>";
        if (entry.is_regular_file()) {
            std::ifstream in(entry.path(), std::ios::binary);
            const std::string bytes{std::istreambuf_iterator<char>(in),
                                    std::istreambuf_iterator<char>()};
            content = std::to_string(bytes.size()) + " bytes, hash " +
                      std::to_string(std::hash<std::string>{}(bytes));
        }
        tree[fs::relative(entry.path(), root).string()] = content;
    }
    return tree;
}

}  // namespace kz::test
