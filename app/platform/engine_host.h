#pragma once

#include <QEvent>
#include <cstdint>

#include "notewire/notewire.h"

class QObject;
class DialogService;

// A message the engine posted, delivered on the GUI thread in arrival order.
class EngineMessageEvent : public QEvent {
  public:
    static QEvent::Type eventType();
    EngineMessageEvent(uint32_t message, uint32_t wparam, uint32_t lparam)
        : QEvent(eventType()), message(message), wparam(wparam), lparam(lparam) {}
    const uint32_t message, wparam, lparam;
};

// The handle given to the engine: posts become events for `receiver` (safe from any thread, never
// blocking); message boxes go to the dialog service.
struct EngineHostContext {
    QObject *receiver = nullptr;
    DialogService *dialogs = nullptr;
};

NwHost makeEngineHost(EngineHostContext *context);
