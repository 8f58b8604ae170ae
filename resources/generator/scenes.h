#pragma once

#include "canvas.h"

// The start picture shown until the first key: two fighters facing each other on amber.
Canvas startPicture();

// The sample game pictures, numbered like DATA1.bmp to DATA5.bmp: 1 idle, 2 player 1 (blue)
// ready, 3 player 2 (red) ready, 4 red strikes blue, 5 blue strikes red.
Canvas samplePicture(int number);
