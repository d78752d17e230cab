#pragma once

#include <QStringList>

// The start-up and shut-down code calls into subsystems that are connected
// by whoever builds the main window. A call that finds its hook unconnected
// does nothing, says so on standard error and is remembered here, so a test
// of the finished main window can prove every hook is in place.
class UnconnectedHooks {
public:
    // Records "owner: hook" and warns once per call.
    void missed(const char* owner, const char* hook);
    const QStringList& calls() const { return calls_; }

private:
    QStringList calls_;
};
