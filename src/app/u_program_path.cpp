#include "app/u_program_path.hpp"

#include <array>

#include <unistd.h>

std::string directoryOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return {};
    }
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

std::string executableDirectory(const char* argument0) {
    std::array<char, 4096> buffer{};
    const ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    if (length > 0) {
        return directoryOf(std::string(buffer.data(), static_cast<std::size_t>(length)));
    }
    return argument0 == nullptr ? std::string() : directoryOf(argument0);
}
