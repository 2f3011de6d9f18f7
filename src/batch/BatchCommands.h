#pragma once

#include "batch/BatchRequest.h"
#include "print/Composer.h"

#include <functional>

class Platform;

namespace Batch {

// Whether a printer of this name is installed.
using PrinterLookup = std::function<bool(const QString& name)>;

// Runs one command through the platform, as the window it stands for would: the same checks,
// messages and printouts. The platform's print dialog hands out request.target; its message
// boxes say what went wrong. Returns the exit status (kDone or kRefused).
int runCommand(Platform& platform, const Request& request, const PrinterLookup& printerExists);

// The main window's composer after the user's clicks: Label stock and the position answer, or
// Envelope and the size, then the options and the margin boxes. Empty after a refused position
// (its message already shown).
std::optional<Composer> composerFor(Platform& platform, const Request& request);

} // namespace Batch
