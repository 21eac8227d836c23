#include "engine_host.h"

#include <QCoreApplication>

#include "dialog_service.h"

QEvent::Type EngineMessageEvent::eventType() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

namespace {

void postToWindow(void *context, uint32_t message, uint32_t wparam, uint32_t lparam) {
    auto *host = static_cast<EngineHostContext *>(context);
    QCoreApplication::postEvent(host->receiver, new EngineMessageEvent(message, wparam, lparam));
}

int32_t askUser(void *context, const char *text, const char *caption, uint32_t style) {
    auto *host = static_cast<EngineHostContext *>(context);
    return host->dialogs->messageBox(QString::fromUtf8(text), QString::fromUtf8(caption), style);
}

}  // namespace

NwHost makeEngineHost(EngineHostContext *context) {
    return NwHost{context, postToWindow, askUser};
}
