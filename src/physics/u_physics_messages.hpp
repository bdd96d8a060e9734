// Where the simulation posts the messages shown to the players; the game screen's message list implements it.
#pragma once

#include <string>

class TMessageSink {
public:
    TMessageSink() = default;
    TMessageSink(const TMessageSink&) = delete;
    TMessageSink& operator=(const TMessageSink&) = delete;
    virtual ~TMessageSink() = default;

    virtual void add(const std::string& text) = 0;
};

// For matches nobody watches: every message is dropped.
class TSilentMessages final : public TMessageSink {
public:
    void add(const std::string&) override {}
};
