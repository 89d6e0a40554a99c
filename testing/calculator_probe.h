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

    static EntryState Entry(const Calculator& calc)
    {
        return {calc.m_display.NewEntry(), calc.m_display.ExpShown(), calc.m_display.PointTyped(),
                calc.m_evaluator.OpenBrackets(), 2 * calc.m_evaluator.Stack().Size()};
    }
    static const std::vector<StackEntry>& StackEntries(const Calculator& calc) { return calc.m_evaluator.Stack().Entries(); }
    static const MemoryBank::Slots& MemorySlots(const Calculator& calc) { return calc.m_memory.MemorySlots(); }
    static Angle AngleMode(const Calculator& calc) { return calc.m_angleMode; }

    // Slot texts no key can store (hand-edited settings: blanks, quotes, Latin-1).
    static void SetMemorySlots(Calculator& calc, MemoryBank::Slots slots) { calc.m_memory.Assign(std::move(slots)); }
};

}  // namespace trellum
