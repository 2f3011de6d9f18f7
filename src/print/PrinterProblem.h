#pragma once

class Platform;

// The one message every printing command shows for a failure other than a cancelled dialog.
void showPrinterProblem(Platform& platform);
