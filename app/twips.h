// SPDX-License-Identifier: MIT
#pragma once
// The window's one unit of length, the twip: 1/1440 inch. The window is laid
// out in twips, and the settings file stores its place in them; only the shell
// turns them into pixels (shell/twips_scale.h), by the screen's logical DPI.

#include <compare>
#include <cstdint>

namespace trellum {

struct Twips {
    int32_t value = 0;

    constexpr Twips() = default;
    constexpr explicit Twips(int32_t twips) : value(twips) {}

    friend constexpr auto operator<=>(Twips, Twips) = default;
    friend constexpr Twips operator+(Twips a, Twips b) { return Twips(a.value + b.value); }
    friend constexpr Twips operator-(Twips a, Twips b) { return Twips(a.value - b.value); }
    friend constexpr Twips operator*(Twips a, int n) { return Twips(a.value * n); }
};

// 1370_tw: a length of the layout.
constexpr Twips operator""_tw(unsigned long long twips) { return Twips(static_cast<int32_t>(twips)); }

}  // namespace trellum
