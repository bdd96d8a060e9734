// The keyboard's modifier keys, read from SDL in this one place.
#pragma once

// True while either Control key is down, whatever event is being handled.
bool controlHeld();
