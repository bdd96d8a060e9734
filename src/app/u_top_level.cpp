#include "app/u_top_level.hpp"

#include "app/u_context.hpp"
#include "app/u_display.hpp"
#include "app/u_screen_stack.hpp"
#include "resources/u_font.hpp"
#include "sound/u_sound.hpp"

int runTopLevelLoop() {
    // Declaration order is creation order; destruction runs backwards, so the context (and config.txt) goes
    // last.
    TContext context;
    TDisplay display(context.preferences);
    if (!display.ready()) {
        return 1;
    }
    TFont font;
    TNoise noise(context.preferences);
    TScreenStack stack(display, context, font, noise);

    stack.update(TScreenType::ScreenMainMenu);
    while (TBasicScreen* screen = stack.topScreen()) {
        const TScreenType next = screen->run();
        display.showLoading();
        stack.update(next);
        if (!display.applyVideoMode()) {
            return 1; // the stack frees the screens left, then the context saves
        }
    }
    return 0;
}
