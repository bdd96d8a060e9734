#include "atomic_file.hpp"

#include "resources/u_atomic_file.hpp"

#include <string_view>

void writeFileAtomically(const std::filesystem::path& target, const std::vector<std::uint8_t>& bytes) {
    std::error_code error;
    if (target.has_parent_path()) {
        std::filesystem::create_directories(target.parent_path(), error);
    }
    if (error) {
        throw TOutputError("cannot create directory " + target.parent_path().string() + ": " +
                           error.message());
    }
    std::string reason;
    if (!replaceFile(target.string(), {reinterpret_cast<const char*>(bytes.data()), bytes.size()}, reason)) {
        throw TOutputError("cannot write " + target.string() + ": " + reason);
    }
}
