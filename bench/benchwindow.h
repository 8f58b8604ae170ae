#pragma once

#include "window/main1.h"

#include <memory>

// The game window as start-up leaves it: made, its pictures read from the working directory
// (a file that cannot be read leaves blank pictures, as in the game), shown and active, with
// every pending event handled.
std::unique_ptr<TForm1> makeShownGameWindow();

// Handles every pending event, the repaints they ask for included.
void settle();
