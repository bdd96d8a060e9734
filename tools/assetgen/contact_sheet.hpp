// One page showing every generated picture with its name, to judge the whole set at a glance.
#pragma once

#include "picture_set.hpp"

#include <filesystem>

void writeContactSheet(const std::filesystem::path& file);
