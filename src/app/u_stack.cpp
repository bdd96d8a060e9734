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
    items_.push_back(item);
}

bool TStack::pop() {
    if (items_.empty()) {
        diagnosticLine("Stack was empty while pop !");
        return false;
    }
    items_.pop_back();
    return true;
}

void* TStack::top() const {
    return items_.empty() ? nullptr : items_.back();
}

void TStack::print() const {
    diagnosticLine("TStack.print --->");
    for (auto item = items_.rbegin(); item != items_.rend(); ++item) {
        diagnosticLine(reinterpret_cast<std::uintptr_t>(*item));
    }
    diagnosticLine(">---");
}
