#include "desktop/ActivationHook.h"

#include <QGuiApplication>

namespace desktop {

ActivationHook::ActivationHook(Listener listener, QObject* parent)
    : QObject(parent), listener_(std::move(listener)) {
    connect(
        qGuiApp, &QGuiApplication::applicationStateChanged, this,
        [this](Qt::ApplicationState appState) { listener_(appState == Qt::ApplicationActive); });
}

}  // namespace desktop
