#pragma once
#include <string>
#include <string_view>

#include "ui/Controls.h"

// A repaint writes every property of all nine buttons of a cell and its label,
// and most of those writes change nothing. A front-end's button or label derives
// from these and implements the show... functions; a write reaches them only when
// it differs from what was last written, in the order the board wrote it. What was
// last written is kept here, and only here: a front-end reads it back from these
// rather than keep a copy, or ask the widget, which may report something else
// before the window is first shown.
namespace ui {

class ChangedOnlyButton : public Button {
public:
    void setVisible(bool visible) final
    {
        if (visible != visible_)
            showVisible(visible_ = visible);
    }
    void setEnabled(bool enabled) final
    {
        if (enabled != enabled_)
            showEnabled(enabled_ = enabled);
    }
    void setBackColor(SysColor color) final
    {
        if (color != face_)
            showBackColor(face_ = color);
    }

    bool visible() const { return visible_; }
    bool enabled() const { return enabled_; }
    SysColor backColor() const { return face_; }

protected:
    // Every button is designed visible and enabled, with the face `face`.
    explicit ChangedOnlyButton(SysColor face) : face_(face) {}

    virtual void showVisible(bool visible) = 0;
    virtual void showEnabled(bool enabled) = 0;
    virtual void showBackColor(SysColor color) = 0;

private:
    bool visible_ = true;
    bool enabled_ = true;
    SysColor face_;
};

class ChangedOnlyLabel : public Label {
public:
    void setCaption(std::string_view caption) final
    {
        if (caption == caption_)
            return;
        caption_.assign(caption);
        showCaption(caption_);
    }

    const std::string& caption() const { return caption_; }

protected:
    explicit ChangedOnlyLabel(std::string_view caption) : caption_(caption) {}

    virtual void showCaption(const std::string& caption) = 0;

private:
    std::string caption_;
};

} // namespace ui
