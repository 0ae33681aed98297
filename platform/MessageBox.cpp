#include "MessageBox.h"

#include <QMessageBox>

namespace platform {

namespace {
CriticalMessageHandler& handler()
{
    static CriticalMessageHandler h;
    return h;
}
} // namespace

void ShowCriticalMessage(QWidget* owner, const QString& text)
{
    if (handler()) {
        handler()(owner, text);
        return;
    }
    QMessageBox box(QMessageBox::Critical, QString(), text, QMessageBox::Ok, owner);
    box.exec();
}

CriticalMessageHandler SetCriticalMessageHandler(CriticalMessageHandler h)
{
    return std::exchange(handler(), std::move(h));
}

} // namespace platform
