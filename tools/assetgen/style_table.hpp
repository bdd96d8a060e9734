// Picture styles chosen by name from a table whose rows stand in the order of their enumeration.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

template <class TKind, class TRow, std::size_t N>
std::optional<TKind> styleNamed(const TRow (&rows)[N], const std::string& name) {
    for (std::size_t kind = 0; kind < N; ++kind) {
        if (name == rows[kind].name) {
            return static_cast<TKind>(kind);
        }
    }
    return std::nullopt;
}

// The names as a player reads the choices: "a, b or c".
template <class TRow, std::size_t N> std::string styleChoices(const TRow (&rows)[N]) {
    std::string text;
    for (std::size_t i = 0; i < N; ++i) {
        text += i == 0 ? "" : i + 1 == N ? " or " : ", ";
        text += rows[i].name;
    }
    return text;
}
