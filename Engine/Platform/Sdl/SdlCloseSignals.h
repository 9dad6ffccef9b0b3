#pragma once

// SIGINT and SIGTERM ask the window to close, like its close box. Installed whatever the
// signals' previous handling (a background job starts with SIGINT ignored).
void InstallCloseSignals();

// True once for each close signal received since the last call.
bool TakeCloseSignal();

// From the first fatal box on, a close signal answers the box that waits and no later box is
// shown: the fatal path goes on to its orderly shut-down.
void BeginFatalBoxes();
bool AreFatalBoxesCut();
