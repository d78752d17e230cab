
#include "Scene.h"
#include "StillSong.h"
#include "app/PlayerAssembly.h"
#include "playback/TransportController.h"
#include "ui/Frm_Main.h"
#include "ui/StateInspectorPanel.h"

namespace {

QWidget* playingWindow(AppServices& services, bool withInspector) {
    auto* window = new Frm_Main(stillSongServices(services, 83450, 225120));
    window->Form_Load(makeTaggedSong(QStringLiteral("Blue Sky"), QString(), 225120));
    window->assembly().transport().MMTimer_Timer();
    if (withInspector) window->findChild<StateInspectorPanel*>()->mnuHelp0_Click();
    return window;
}

SceneRegistrar scenes{{
    {QStringLiteral("main"),
     [](AppServices& services) -> QWidget* {
         auto* window = new Frm_Main(services);
         window->Form_Load(QString());
         return window;
     }},
    {QStringLiteral("main-playing"), [](AppServices& services) { return playingWindow(services, false); }},
    {QStringLiteral("main-inspector"), [](AppServices& services) { return playingWindow(services, true); }},
}};

}  // namespace
