#pragma once

#include <vector>

namespace trellum {

// Pending left operands and operator codes, alternating from the bottom, above a
// sentinel element 0; the top of a non-empty stack is always an operator code.
class OperandStack {
public:
    void StackClear() { m_items.assign(1, 0.0); }
    bool StackIsEmpty() const { return m_items.size() == 1; }
    void StackPush(double value) { m_items.push_back(value); }
    double StackPop()
    {
        const double top = m_items.back();
        m_items.pop_back();
        return top;
    }
    // Entries above the sentinel, bottom first.
    std::vector<double> Entries() const { return {m_items.begin() + 1, m_items.end()}; }
    std::size_t Size() const { return m_items.size() - 1; }

private:
    std::vector<double> m_items{0.0};
};

}  // namespace trellum
