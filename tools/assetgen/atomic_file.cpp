#include "atomic_file.hpp"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>

void writeFileAtomically(const std::filesystem::path& target, const std::vector<std::uint8_t>& bytes) {
    std::error_code error;
    if (target.has_parent_path()) {
        std::filesystem::create_directories(target.parent_path(), error);
    }
    if (error) {
        throw TOutputError("cannot create directory " + target.parent_path().string() + ": " +
                           error.message());
    }
    const std::filesystem::path temporary = target.string() + ".part";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::filesystem::remove(temporary, error);
            throw TOutputError("cannot write " + target.string());
        }
    }
    std::filesystem::rename(temporary, target, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        throw TOutputError("cannot write " + target.string() + ": " + error.message());
    }
}
