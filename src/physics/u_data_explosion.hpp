// One explosion: a short cascade of blasts spread around the point of impact, each with its own timing.
#pragma once

#include <list>

struct TExplosionNode {
    int x = 0; // blast centre, map pixels
    int y = 0;
    int radius = 0; // reach of the blast, pixels
    int age = 0;    // frames; the blast acts at actingAge
};

class TExplosion {
public:
    static constexpr int rings = 3;
    static constexpr int actingAge = 5;
    static constexpr int removalAge = 6;
    static constexpr int baseRadius = 150;
    // The outer ring's blasts reach half the base radius, from three quarters of it on.
    static constexpr int smallestRadius = baseRadius / 2 * 3 / 4;
    static constexpr int offsetRange = 75;

    using TNodes = std::list<TExplosionNode>;

    // Where a walk through the nodes stands; a fresh cursor is before the first node.
    class TCursor {
    public:
        TExplosionNode& node() const { return *at_; }

    private:
        friend class TExplosion;
        TNodes::iterator at_;
        bool started_ = false;
    };

    // Rings 1, 2, 3 of 1, 3 and 9 blasts around (cx, cy).
    TExplosion(int cx, int cy);

    // Moves to the next node and ages it; a node that reaches removalAge is dropped and its successor is
    // returned unaged. False at the end of the list.
    bool advance(TCursor& cursor);
    bool isFinished() const { return nodes_.empty(); }
    const TNodes& nodes() const { return nodes_; }

    int frame = 0; // updates since creation

private:
    TNodes nodes_;
};
