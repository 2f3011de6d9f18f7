#pragma once

#include "print/Composer.h"

class frmLDeded;

// The composer as the main window's controls and state hold it now: what Print reads.
Composer readComposer(const frmLDeded& window);
