// The engine's services, defined together so that they are constructed in this order
// (and destroyed in the reverse order). Constructing theApplication is the timer's first
// use, which makes it the timer's zero point.
#include "TheApplication.h"
#include "TheConsole.h"
#include "TheInputSystem.h"
#include "TheMessageHandler.h"
#include "TheNetwork.h"
#include "TheRenderer.h"
#include "TheSoundSystem.h"
#include "TheVideoSystem.h"

TheApplication theApplication;
TheConsole theConsole;
TheInputSystem theInputSystem;
TheMessageHandler theMessageHandler;
TheVideoSystem theVideoSystem;
TheSoundSystem theSoundSystem;
TheRenderer theRenderer;
TheNetwork theNetwork;
