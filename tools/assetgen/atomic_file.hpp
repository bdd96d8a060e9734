// Writing generated files so that a half-written file is never left behind.
#pragma once

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

// Raised when an output cannot be written; the message names the file.
class TOutputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Writes the bytes to a temporary name beside the target, then renames it over the target.
void writeFileAtomically(const std::filesystem::path& target, const std::vector<std::uint8_t>& bytes);
