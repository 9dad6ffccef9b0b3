#pragma once

// SIGINT and SIGTERM ask the window to close, like its close box. Installed whatever the
// signals' previous handling (a background job starts with SIGINT ignored).
void InstallCloseSignals();

// True once for each close signal received since the last call.
bool TakeCloseSignal();
