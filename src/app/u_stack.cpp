#include "app/u_stack.hpp"

#include <cstdint>
#include <iostream>

TStack::~TStack() {
    if (!items_.empty()) {
        std::cout << "Stack wasn't empty !" << std::endl;
        print();
    }
}

void TStack::push(void* item) {
    items_.push_back(item);
}

bool TStack::pop() {
    if (items_.empty()) {
        std::cout << "Stack was empty while pop !" << std::endl;
        return false;
    }
    items_.pop_back();
    return true;
}

void* TStack::top() const {
    return items_.empty() ? nullptr : items_.back();
}

void TStack::print() const {
    std::cout << "TStack.print --->" << '\n';
    for (auto item = items_.rbegin(); item != items_.rend(); ++item) {
        std::cout << reinterpret_cast<std::uintptr_t>(*item) << '\n';
    }
    std::cout << ">---" << std::endl;
}
