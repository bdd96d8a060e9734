#include "app/u_screen_stack.hpp"

TScreenStack::TScreenStack(TDisplay& display, TContext& context, TFont& font, TNoise& noise,
                           TScreenFactory factory)
    : display(display), context(context), font(font), noise(noise), factory_(std::move(factory)) {}

TScreenStack::~TScreenStack() {
    // Screens are owned through their nodes; free them top first so each outlives the ones it opened.
    while (!empty()) {
        popScreen();
    }
}

TBasicScreen* TScreenStack::topScreen() const {
    const auto* node = static_cast<const TScreenNode*>(top());
    return node == nullptr ? nullptr : node->screen.get();
}

void TScreenStack::popScreen() {
    pop(); // the node goes, and its screen with it
}

void TScreenStack::update(TScreenType next) {
    switch (next) {
    case TScreenType::ScreenQuit:
        while (!empty()) {
            popScreen();
        }
        return;
    case TScreenType::ScreenNone:
        popScreen();
        while (!empty() && topScreen()->finished) {
            popScreen();
        }
        return;
    case TScreenType::ScreenMainMenu:
    case TScreenType::ScreenPanelGame:
    case TScreenType::ScreenGame:
    case TScreenType::ScreenStatistics:
    case TScreenType::ScreenPanelSettings:
        break;
    }
    auto node = std::make_unique<TScreenNode>();
    node->screenType = next;
    node->screen = factory_(next, display, context, font, noise);
    if (node->screen) {
        pushOwned(std::move(node));
    }
}
