#pragma once

#include "print/Composer.h"

class Platform;

// The main window's Print: the checks, the print dialog, then one document per copy of the
// label range or the envelope. Reports through the platform's message boxes and writes back
// into composer what a print run changes (start position, margin boxes, Bold).
void printComposer(Platform& platform, Composer& composer);
