#pragma once
// The platform's clock for a program that steps time itself: it stands still between
// steps, so that a run of frames comes out the same every time.
void StepClock(double seconds);
