#include "platform/u_sdl12_events.hpp"

#include "platform/u_key_repeat.hpp"

#include <SDL2/SDL.h>

#include <cstring>
#include <deque>

namespace sdl12 {

namespace {

// As SDL2's own queue: far more than a frame ever holds.
constexpr std::size_t queueLimit = 65535;

struct TEventState {
    std::deque<SDL_Event> queue;
    TKeyRepeat repeat;
    int mouseX = 0;
    int mouseY = 0;
    Uint8 buttons = 0;
};

TEventState& events() {
    static TEventState state;
    return state;
}

SDL_Event blank(Uint8 type) {
    SDL_Event event;
    std::memset(&event, 0, sizeof event);
    event.type = type;
    return event;
}

Uint16 coordinate(Sint32 value) {
    return static_cast<Uint16>(value < 0 ? 0 : value);
}

// SDL2 numbers the side buttons 4 and 5, which 1.2 gives to the wheel.
Uint8 buttonFromSdl2(Uint8 button) {
    return button == SDL_BUTTON_X1 ? buttonX1 : button == SDL_BUTTON_X2 ? buttonX2 : button;
}

Uint8 buttonMask(Uint8 button) {
    return static_cast<Uint8>(1U << (button - 1));
}

Uint8 buttonsFromSdl2(Uint32 state) {
    Uint8 buttons = 0;
    for (Uint8 button = SDL_BUTTON_LEFT; button <= SDL_BUTTON_X2; ++button) {
        if ((state & SDL_BUTTON(button)) != 0) {
            buttons |= buttonMask(buttonFromSdl2(button));
        }
    }
    return buttons;
}

void queue(const SDL_Event& event) {
    if (events().queue.size() < queueLimit) {
        events().queue.push_back(event);
    }
}

void translateKey(const ::SDL_KeyboardEvent& key) {
    TEventState& state = events();
    const bool down = key.type == ::SDL_KEYDOWN;
    if (down && key.repeat != 0) {
        return; // the layer makes its own repeats
    }
    SDL_Event event = blank(down ? SDL_KEYDOWN : SDL_KEYUP);
    event.key.state = down ? buttonPressed : buttonReleased;
    event.key.keysym.sym = keyFromSdl2(key.keysym.sym);
    event.key.keysym.mod = static_cast<SDLMod>(key.keysym.mod & 0x7FFF);
    if (down) {
        state.repeat.pressed(event, key.timestamp);
    } else {
        state.repeat.released(event.key.keysym.sym);
    }
    queue(event);
}

void translateMotion(const ::SDL_MouseMotionEvent& motion) {
    TEventState& state = events();
    state.mouseX = motion.x;
    state.mouseY = motion.y;
    state.buttons =
        static_cast<Uint8>(buttonsFromSdl2(motion.state) | (state.buttons & buttonMask(buttonWheelUp)) |
                           (state.buttons & buttonMask(buttonWheelDown)));
    SDL_Event event = blank(SDL_MOUSEMOTION);
    event.motion.state = state.buttons;
    event.motion.x = coordinate(motion.x);
    event.motion.y = coordinate(motion.y);
    event.motion.xrel = static_cast<Sint16>(motion.xrel);
    event.motion.yrel = static_cast<Sint16>(motion.yrel);
    queue(event);
}

void queueButton(Uint8 button, bool down, int x, int y) {
    TEventState& state = events();
    state.mouseX = x;
    state.mouseY = y;
    if (down) {
        state.buttons |= buttonMask(button);
    } else {
        state.buttons &= static_cast<Uint8>(~buttonMask(button));
    }
    SDL_Event event = blank(down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP);
    event.button.button = button;
    event.button.state = down ? buttonPressed : buttonReleased;
    event.button.x = coordinate(x);
    event.button.y = coordinate(y);
    queue(event);
}

// 1.2 reports each step of the wheel as a press and a release of button 4 (up) or 5 (down).
void translateWheel(const ::SDL_MouseWheelEvent& wheel) {
    const Sint32 steps = wheel.direction == ::SDL_MOUSEWHEEL_FLIPPED ? -wheel.y : wheel.y;
    if (steps == 0) {
        return;
    }
    const Uint8 button = steps > 0 ? buttonWheelUp : buttonWheelDown;
    const TEventState& state = events();
    queueButton(button, true, state.mouseX, state.mouseY);
    queueButton(button, false, state.mouseX, state.mouseY);
}

// The window changes 1.2 reports as SDL_ACTIVEEVENT: what was gained (1) or lost (0).
struct TActiveChange {
    Uint8 windowEvent;
    Uint8 gain;
    Uint8 state;
};

constexpr TActiveChange activeChanges[] = {
    {::SDL_WINDOWEVENT_FOCUS_GAINED, 1, appInputFocus}, {::SDL_WINDOWEVENT_FOCUS_LOST, 0, appInputFocus},
    {::SDL_WINDOWEVENT_ENTER, 1, appMouseFocus},        {::SDL_WINDOWEVENT_LEAVE, 0, appMouseFocus},
    {::SDL_WINDOWEVENT_RESTORED, 1, appActive},         {::SDL_WINDOWEVENT_MINIMIZED, 0, appActive},
};

void translateWindow(const ::SDL_WindowEvent& window) {
    for (const TActiveChange& change : activeChanges) {
        if (change.windowEvent == window.event) {
            SDL_Event event = blank(SDL_ACTIVEEVENT);
            event.active.gain = change.gain;
            event.active.state = change.state;
            queue(event);
        }
    }
}

void translate(const ::SDL_Event& event) {
    switch (event.type) {
    case ::SDL_QUIT:
        queue(blank(SDL_QUIT));
        break;
    case ::SDL_KEYDOWN:
    case ::SDL_KEYUP:
        translateKey(event.key);
        break;
    case ::SDL_MOUSEMOTION:
        translateMotion(event.motion);
        break;
    case ::SDL_MOUSEBUTTONDOWN:
    case ::SDL_MOUSEBUTTONUP:
        queueButton(buttonFromSdl2(event.button.button), event.type == ::SDL_MOUSEBUTTONDOWN, event.button.x,
                    event.button.y);
        break;
    case ::SDL_MOUSEWHEEL:
        translateWheel(event.wheel);
        break;
    case ::SDL_WINDOWEVENT:
        translateWindow(event.window);
        break;
    default:
        break;
    }
}

} // namespace

void SDL_PumpEvents() {
    ::SDL_Event event;
    while (::SDL_PollEvent(&event) != 0) {
        translate(event);
    }
    if (const auto repeat = events().repeat.due(::SDL_GetTicks())) {
        queue(*repeat);
    }
}

int SDL_PollEvent(SDL_Event* event) {
    SDL_PumpEvents();
    std::deque<SDL_Event>& pending = events().queue;
    if (pending.empty()) {
        return 0;
    }
    if (event != nullptr) {
        *event = pending.front();
        pending.pop_front();
    }
    return 1;
}

int SDL_PushEvent(SDL_Event* event) {
    std::deque<SDL_Event>& pending = events().queue;
    if (event == nullptr || pending.size() >= queueLimit) {
        ::SDL_SetError("Event queue is full");
        return -1;
    }
    pending.push_back(*event);
    return 0;
}

int SDL_EnableKeyRepeat(int delay, int interval) {
    if (delay < 0 || interval < 0) {
        ::SDL_SetError("keyboard repeat value less than zero");
        return -1;
    }
    events().repeat.configure(delay, interval);
    return 0;
}

void SDL_GetKeyRepeat(int* delay, int* interval) {
    const TKeyRepeat& repeat = events().repeat;
    if (delay != nullptr) {
        *delay = repeat.delay();
    }
    if (interval != nullptr) {
        *interval = repeat.interval();
    }
}

Uint8 SDL_GetMouseState(int* x, int* y) {
    const TEventState& state = events();
    if (x != nullptr) {
        *x = state.mouseX;
    }
    if (y != nullptr) {
        *y = state.mouseY;
    }
    return state.buttons;
}

void resetEvents() {
    events() = TEventState{};
}

} // namespace sdl12
