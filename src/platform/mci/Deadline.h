#pragma once

#include <QElapsedTimer>

#include <algorithm>

// The time one command may still spend waiting on GStreamer. Every wait in
// the engine takes its timeout from here, so no command holds the window up
// longer than the budget, whatever the file.
class Deadline {
public:
    explicit Deadline(int budgetMs) : budgetMs_(budgetMs) { timer_.start(); }
    int remainingMs() const { return std::max<int>(0, budgetMs_ - static_cast<int>(timer_.elapsed())); }
    bool expired() const { return remainingMs() == 0; }

private:
    QElapsedTimer timer_;
    int budgetMs_;
};
