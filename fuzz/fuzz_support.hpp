// What the fuzz targets share: a scratch directory on a fast file system, a quiet stdout, and a check that
// aborts with a message, so that libFuzzer keeps the input that broke it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

// A directory made once per process and removed at exit; on /dev/shm when it is there, so syncs cost nothing.
const std::filesystem::path& scratchDirectory();

// Aborts, after the message on stderr, when the condition is false.
void require(bool condition, const std::string& message);

// Opens an 800 x 600 video surface on the dummy driver, for the targets that load or draw pictures.
void startDummyVideo();

// Splits the input into a few leading parameter bytes and the rest as text.
class TFuzzInput {
public:
    TFuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    // The next byte, or 0 once the input is used up.
    std::uint8_t takeByte();
    std::string rest();

private:
    const std::uint8_t* data_;
    std::size_t size_;
};
