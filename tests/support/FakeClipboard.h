#pragma once

#include "platform/Clipboard.h"

class FakeClipboard final : public Clipboard {
public:
    void clear() override { text_.clear(); ++clears; }
    void setText(const QString& text) override { text_ = text; }
    QString text() const override { return text_; }
    int clears = 0;

private:
    QString text_;
};
