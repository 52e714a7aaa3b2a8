#pragma once
// Tells a window when the game as a whole becomes the active application or
// another application takes over.

#include <QObject>
#include <functional>

namespace desktop {

class ActivationHook : public QObject {
    Q_OBJECT
public:
    using Listener = std::function<void(bool active)>;
    ActivationHook(Listener listener, QObject* parent);

private:
    Listener listener_;
};

}  // namespace desktop
