#pragma once
// The ball's flight: launch, one step at a time over the desktop, to rest.

namespace game {

class Form1;

// Direction, wind and minimum speed of a launch; leaves the ball ready to fly.
void PrepareShot(float vx, float vy);
// Prepares the shot and flies it.
void StartShot(float vx, float vy);
// Flight steps every 10 ms until the ball rests, then the hole-out check.
void FlyBall();
// The cup lies within this horizontal span, edges included.
bool SpansCup(double left, double width);
// One step of the ball window; false once the ball has come to rest.
bool FlightStep(Form1& ball);

}  // namespace game
