#include "platform/Random.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <algorithm>
#include <optional>
#include <random>

namespace platform {
namespace {

struct RandomSource {
    std::mt19937_64 engine{std::random_device{}()};
    std::optional<std::vector<double>> script;
    std::size_t scriptPos = 0;
    QElapsedTimer uptime;
    RandomSource() { uptime.start(); }
};

RandomSource& Source() {
    static RandomSource source;
    return source;
}

}  // namespace

double Random01() {
    RandomSource& s = Source();
    if (s.script) {
        if (s.script->empty()) return 0.0;
        const double value = (*s.script)[std::min(s.scriptPos, s.script->size() - 1)];
        ++s.scriptPos;
        return value;
    }
    return std::uniform_real_distribution<double>(0.0, 1.0)(s.engine);
}

void ReseedRandom() {
    RandomSource& s = Source();
    if (s.script) return;
    s.engine.seed(static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch()) ^
                  static_cast<std::uint64_t>(s.uptime.nsecsElapsed()));
}

void ScriptRandom(std::vector<double> values) {
    Source().script = std::move(values);
    Source().scriptPos = 0;
}

void UnscriptRandom() { Source().script.reset(); }

}  // namespace platform
