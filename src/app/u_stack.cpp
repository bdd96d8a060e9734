#include "app/u_stack.hpp"

#include "resources/u_diagnostics.hpp"

#include <cstdint>

TStack::~TStack() {
    if (!items_.empty()) {
        diagnosticLine("Stack wasn't empty !");
        print();
    }
}

void TStack::push(void* item) {
    items_.emplace_back(item, [](void*) {});
}

bool TStack::pop() {
    if (items_.empty()) {
        diagnosticLine("Stack was empty while pop !");
        return false;
    }
    // Off the stack before an owned item is freed: its destructor never finds itself on top.
    const TItem item = std::move(items_.back());
    items_.pop_back();
    return true;
}

void* TStack::top() const {
    return items_.empty() ? nullptr : items_.back().get();
}

void TStack::print() const {
    diagnosticLine("TStack.print --->");
    for (std::size_t depth = 0; depth < size(); ++depth) {
        diagnosticLine(reinterpret_cast<std::uintptr_t>(itemFromTop(depth)));
    }
    diagnosticLine(">---");
}
