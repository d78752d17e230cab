#pragma once

#include "platform/Screen.h"

class FakeScreen final : public Screen {
public:
    explicit FakeScreen(QSize size = {1280, 1024}) : size_(size) {}
    QSize desktopSize() const override { return size_; }
    void setSize(QSize size) { size_ = size; }

private:
    QSize size_;
};
