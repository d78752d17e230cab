#include "Scene.h"
#include "ui/Frm_Main.h"

namespace {

SceneRegistrar scenes{{
    {QStringLiteral("main"),
     [](AppServices& services) -> QWidget* {
         auto* window = new Frm_Main(services);
         window->Form_Load(QString());
         return window;
     }},
}};

}  // namespace
