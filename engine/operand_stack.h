// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <variant>
#include <vector>

namespace trellum {

// The binary operators, each with how tightly it binds.
enum class Operator : int8_t { Add, Subtract, Multiply, Divide, Power };

// A pending operator is done before a new one that binds no tighter, so equal
// levels go left to right (2 ^ 3 ^ 2 is 64).
constexpr int precedence(Operator op)
{
    switch (op) {
    case Operator::Add:
    case Operator::Subtract: return 1;
    case Operator::Multiply:
    case Operator::Divide: return 2;
    case Operator::Power: return 3;
    }
    return 0;
}

// A left operand waiting for its right one.
struct PendingOperation {
    double left;
    Operator op;
    bool operator==(const PendingOperation&) const = default;
};

// An open bracket; no pending operation below it is done before it closes.
struct BracketMark {
    int16_t level;  // the bracket count once it was opened: 1 for the outermost
    bool operator==(const BracketMark&) const = default;
};

using StackEntry = std::variant<PendingOperation, BracketMark>;

// Pending operations and open brackets, bottom first.
class OperandStack {
public:
    void clear() { m_entries.clear(); }
    bool isEmpty() const { return m_entries.empty(); }
    void push(StackEntry entry) { m_entries.push_back(entry); }
    StackEntry pop()
    {
        const StackEntry top = m_entries.back();
        m_entries.pop_back();
        return top;
    }
    const StackEntry& top() const { return m_entries.back(); }
    const std::vector<StackEntry>& entries() const { return m_entries; }
    std::size_t size() const { return m_entries.size(); }

private:
    std::vector<StackEntry> m_entries;
};

}  // namespace trellum
