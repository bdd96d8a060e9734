#include "resources/u_atomic_file.hpp"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

namespace {

bool writeAll(int fd, std::string_view text) {
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t n = ::write(fd, text.data() + written, text.size() - written);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        written += static_cast<std::size_t>(n);
    }
    return true;
}

// Where the bytes go: a symbolic link's final target, so that the link stays in place and the file it leads
// to is the one replaced. Nothing, with the reason, when the link leads nowhere or round in a loop.
std::optional<std::string> fileBehind(const std::string& target, std::string& error) {
    std::error_code status;
    if (!std::filesystem::is_symlink(std::filesystem::symlink_status(target, status))) {
        return target;
    }
    const std::filesystem::path resolved = std::filesystem::canonical(target, status);
    if (status) {
        error = status.message();
        return std::nullopt;
    }
    return resolved.string();
}

bool replaceResolvedFile(const std::string& target, std::string_view bytes, std::string& error) {
    const std::string temporary = target + ".tmp";
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        error = std::strerror(errno);
        return false;
    }
    bool ok = writeAll(fd, bytes) && ::fsync(fd) == 0;
    if (!ok) {
        error = std::strerror(errno);
    }
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = std::strerror(errno);
    }
    if (ok && std::rename(temporary.c_str(), target.c_str()) != 0) {
        ok = false;
        error = std::strerror(errno);
    }
    if (!ok) {
        std::remove(temporary.c_str());
    }
    return ok;
}

} // namespace

bool replaceFile(const std::string& target, std::string_view bytes, std::string& error) {
    const std::optional<std::string> file = fileBehind(target, error);
    return file && replaceResolvedFile(*file, bytes, error);
}
