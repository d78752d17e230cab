#include "app/UnconnectedHooks.h"

#include <QDebug>

void UnconnectedHooks::missed(const char* owner, const char* hook) {
    const QString call = QLatin1String(owner) + QStringLiteral(": ") + QLatin1String(hook);
    qWarning().noquote() << call << "is not connected; the step was skipped";
    calls_.append(call);
}
