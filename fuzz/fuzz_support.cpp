#include "fuzz_support.hpp"

#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <streambuf>
#include <system_error>

namespace {

class TScratchDirectory {
public:
    TScratchDirectory() {
        std::error_code status;
        const std::filesystem::path base = std::filesystem::is_directory("/dev/shm", status)
                                               ? "/dev/shm"
                                               : std::filesystem::temp_directory_path();
        std::string pattern = (base / "morvatek-fuzz-XXXXXX").string();
        require(mkdtemp(pattern.data()) != nullptr, "cannot make a scratch directory in " + base.string());
        path_ = pattern;
    }
    ~TScratchDirectory() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TScratchDirectory(const TScratchDirectory&) = delete;
    TScratchDirectory& operator=(const TScratchDirectory&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

class TNullBuffer : public std::streambuf {
protected:
    int_type overflow(int_type c) override { return traits_type::not_eof(c); }
};

} // namespace

const std::filesystem::path& scratchDirectory() {
    static const TScratchDirectory directory;
    return directory.path();
}

// libFuzzer's start-up hook: the game's diagnostic lines would drown the fuzzer's own output. A target that
// needs more at start defines its own, which takes the place of this one.
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int*, char***) {
    static TNullBuffer nothing;
    std::cout.rdbuf(&nothing);
    return 0;
}

void require(bool condition, const std::string& message) {
    if (!condition) {
        std::fprintf(stderr, "fuzz check failed: %s\n", message.c_str());
        std::abort();
    }
}

std::uint8_t TFuzzInput::takeByte() {
    if (size_ == 0) {
        return 0;
    }
    --size_;
    return *data_++;
}

std::string TFuzzInput::rest() {
    std::string text(reinterpret_cast<const char*>(data_), size_);
    data_ += size_;
    size_ = 0;
    return text;
}

void startDummyVideo() {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    require(SDL_Init(SDL_INIT_VIDEO) == 0, SDL_GetError());
    require(SDL_SetVideoMode(800, 600, 32, 0) != nullptr, SDL_GetError());
}
