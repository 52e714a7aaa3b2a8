#include "settings/GaugeMotion.h"

namespace settings {

void StepGauge(Gauge& gauge, float speed, float upper) {
    const double next = double(gauge.level) + double(speed) * gauge.direction;
    if (gauge.direction == -1.0f ? next < 1 : next > upper) gauge.direction = -gauge.direction;
    gauge.level = static_cast<float>(double(gauge.level) + double(speed) * gauge.direction);
}

}  // namespace settings
