#pragma once

#include <QString>
#include <QWidget>

#include <functional>
#include <vector>

#include "app/AppServices.h"

// One screenshot: a window built in a known state, saved as <name>.png.
// The window is shown and events are processed before it is grabbed; the
// builder may return any top-level widget, which is deleted afterwards.
struct Scene {
    QString name;
    std::function<QWidget*(AppServices&)> build;
};

std::vector<Scene>& sceneRegistry();

// A file-scope `static SceneRegistrar r{{...}};` adds scenes to the tool.
struct SceneRegistrar {
    explicit SceneRegistrar(std::vector<Scene> scenes) {
        for (Scene& s : scenes) sceneRegistry().push_back(std::move(s));
    }
};
