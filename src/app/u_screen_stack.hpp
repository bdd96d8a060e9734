// The stack of full-window screens and the one operation that moves between them.
#pragma once

#include "app/u_basic_screen.hpp"
#include "app/u_stack.hpp"

#include <functional>
#include <memory>

struct TScreenNode {
    TScreenType screenType;
    std::unique_ptr<TBasicScreen> screen;
};
using PScreenNode = TScreenNode*;

// Builds the screen a push value names; the real one knows every screen class of the game.
using TScreenFactory =
    std::function<std::unique_ptr<TBasicScreen>(TScreenType, TDisplay&, TContext&, TFont&, TNoise&)>;
std::unique_ptr<TBasicScreen> createGameScreen(TScreenType type, TDisplay& display, TContext& context,
                                               TFont& font, TNoise& noise);

class TScreenStack : public TStack {
public:
    TScreenStack(TDisplay& display, TContext& context, TFont& font, TNoise& noise,
                 TScreenFactory factory = createGameScreen);
    ~TScreenStack() override;

    void update(TScreenType next);
    TBasicScreen* topScreen() const;
    void popScreen();

    TDisplay& display;
    TContext& context;
    TFont& font;
    TNoise& noise;

private:
    TScreenFactory factory_;
};
