// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "app/calculator.h"

namespace trellum {

// Read access to state that no key shows (the runner's --state and --memory
// fields, the soak's invariants), and the one state no key can reach. Only
// testing/, tests/ and fuzz/ use it.
class CalculatorProbe {
public:
    struct EntryState {
        bool newEntry;
        bool expShown;
        bool pointTyped;
        int16_t openBrackets;
        // Two per pending operation or open bracket: the operand and operator
        // (or level and marker) the runner's --state has always counted.
        std::size_t stacked;
    };

    static EntryState entry(const Calculator& calc)
    {
        return {calc.m_display.newEntry(), calc.m_display.expShown(), calc.m_display.pointTyped(),
                calc.m_evaluator.openBrackets(), 2 * calc.m_evaluator.stack().size()};
    }
    static const std::vector<StackEntry>& stackEntries(const Calculator& calc) { return calc.m_evaluator.stack().entries(); }
    static const MemoryBank::Slots& memorySlots(const Calculator& calc) { return calc.m_memory.memorySlots(); }
    static Angle angleMode(const Calculator& calc) { return calc.m_angleMode; }

    // Slot texts no key can store (hand-edited settings: blanks, quotes, Latin-1).
    static void setMemorySlots(Calculator& calc, MemoryBank::Slots slots) { calc.m_memory.assign(std::move(slots)); }
};

}  // namespace trellum
