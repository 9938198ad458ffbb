#pragma once

// Whether a step pause that began at the clock reading `start` has ended at the reading
// `now`, both in days: once the clock has moved on by half a second. A clock that moves in
// whole seconds makes that its next tick, so a pause lasts from almost nothing up to a
// second.
bool pauseHasEnded(double start, double now);
