#pragma once

// Work of the platform's own that nothing the engine sees waits on in the meantime, begun on
// a thread of its own as the program starts, so that it runs while SDL opens the display:
// loading the OpenGL driver, which making the window's context loads, and reading
// fontconfig's configuration, which finding the renderer's font reads. Where no thread can
// be had, each is done when first needed, as without it.
void BeginHeadStart();

// Returns once the thread has finished; fontconfig is used, and a message box forked, only
// after this.
void AwaitHeadStart();
