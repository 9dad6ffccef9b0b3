#pragma once

// SIGINT and SIGTERM ask the window to close, like its close box. Installed whatever the
// signals' previous handling (a background job starts with SIGINT ignored).
void InstallCloseSignals();

// True once for each close signal received since the last call.
bool TakeCloseSignal();

// While a fatal error's box is showing, a close signal ends the process at once with exit
// code 1.
void SetFatalBoxShowing(bool isShowing);
bool IsFatalBoxShowing();
