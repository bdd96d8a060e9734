// The program's generic last-in-first-out container of untyped items.
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

class TStack {
public:
    TStack() = default;
    // Reports items still held; it frees only those it was given to own.
    virtual ~TStack();
    TStack(const TStack&) = delete;
    TStack& operator=(const TStack&) = delete;

    // The item stays its pusher's: the stack never frees it.
    virtual void push(void* item);
    // False, with a line on stdout, when the stack is empty.
    virtual bool pop();
    // The top item, or null when empty.
    virtual void* top() const;
    virtual void print() const;

    bool empty() const { return items_.empty(); }
    std::size_t size() const { return items_.size(); }

protected:
    // The stack owns this item: popping it, or destroying the stack, frees it.
    template <class T> void pushOwned(std::unique_ptr<T> item) {
        items_.emplace_back(item.release(), [](void* owned) { delete static_cast<T*>(owned); });
    }
    // 0 is the top item.
    void* itemFromTop(std::size_t depth) const { return items_[items_.size() - 1 - depth].get(); }

private:
    // Each item with what frees it: nothing for a pushed item, its own delete for an owned one.
    using TItem = std::unique_ptr<void, void (*)(void*)>;
    std::vector<TItem> items_; // bottom first
};
