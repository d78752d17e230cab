#pragma once

#include "app/AppState.h"
#include "app/LifecycleWindow.h"
#include "console/CommandConsole.h"
#include "playback/MultiMedia.h"
#include "playback/Transport.h"
#include "support/FakeServices.h"
#include "support/FakeTransport.h"

// Counts the program's ends; the rest of the main window is not the console's business.
class EndCountingWindow final : public LifecycleWindow {
public:
    void maximize() override {}
    void minimize() override {}
    bool isMinimized() const override { return false; }
    QSize size() const override { return {}; }
    void setCaption(const QString&) override {}
    void setWelcomeLine(const QString&) override {}
    void makeTopMost() override {}
    void showOptionChecker() override {}
    void closeOptionChecker() override {}
    void endProgram() override { ++ends; }

    int ends = 0;
};

// The console over the scripted engine; the fake clock reads 13:30:00.
struct ConsoleRig {
    explicit ConsoleRig(MciEngine* engine = nullptr) : media(engine ? *engine : fakes.mci) {
        fakes.mci.errorTexts.insert(0, QStringLiteral("指令已執行。"));
        fakes.mci.errorTexts.insert(MciError::InvalidDevice, QStringLiteral("裝置未開啟或不明。\n第二行"));
    }

    FakeServices fakes;
    AppState state;
    MultiMedia media;
    FakeTransport transport;
    EndCountingWindow window;
    CommandConsole::Parts parts{media, state, transport, fakes.clock, window};
};
