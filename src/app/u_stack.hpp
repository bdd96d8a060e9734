// The program's generic last-in-first-out container of untyped items it does not own.
#pragma once

#include <cstddef>
#include <vector>

class TStack {
public:
    TStack() = default;
    // Reports items still held; it never frees them, they belong to whoever pushed them.
    virtual ~TStack();
    TStack(const TStack&) = delete;
    TStack& operator=(const TStack&) = delete;

    virtual void push(void* item);
    // False, with a line on stdout, when the stack is empty.
    virtual bool pop();
    // The top item, or null when empty.
    virtual void* top() const;
    virtual void print() const;

    bool empty() const { return items_.empty(); }
    std::size_t size() const { return items_.size(); }

private:
    std::vector<void*> items_; // bottom first
};
