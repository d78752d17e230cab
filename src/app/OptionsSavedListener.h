#pragma once

// Told when the option checker has saved the option file, so the running
// main window takes the saved values instead of writing its own over them.
class OptionsSavedListener {
public:
    virtual ~OptionsSavedListener() = default;
    virtual void optionsSaved() = 0;
};
