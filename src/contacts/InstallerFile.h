#pragma once

class Platform;

// The installer's "unins000.DAT" in the program folder is renamed "unins000.DAK" while the
// New and Open dialogs are shown, so that their "*.DAT" filter does not list it.
// Both are best effort and never overwrite a file: with both names present nothing changes.

// unins000.DAT -> unins000.DAK when unins000.DAT exists.
void hideInstallerFile(Platform& platform);
// unins000.DAK -> unins000.DAT when unins000.DAK exists. File New / Open call it after a file
// is opened; the main window calls it at the end of the program (see closeAtProgramEnd).
void restoreInstallerFile(Platform& platform);
