#pragma once

// Keeps standard error for the debugger output alone: the real stream moves to a private
// descriptor and descriptor 2, where libraries chatter, goes to /dev/null.
void SilenceStandardError();
