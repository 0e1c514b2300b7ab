// What a picture button shows and does, decided from its mouse events alone; the window only
// carries the decisions out.
//
// States: Normal; Hover (the pointer is over the button, which holds the mouse capture so that
// it sees the pointer leave); PressedOutside and PressedInside (the left button went down on
// it and is still held). A click is a release over the button that went down on it.
//
// Frames of the picture strip: the chosen tab of a group shows frame 3; otherwise Normal shows
// frame 0, Hover and PressedOutside frame 1, PressedInside frame 2.
#pragma once

enum class ButtonMode { Normal = 0, Hover = 1, PressedOutside = 2, PressedInside = 3 };

enum class CaptureChange { None, Take, Release };

struct ButtonEffects {
    bool repaint = false;
    CaptureChange capture = CaptureChange::None;
    bool clicked = false;
};

class ButtonState {
public:
    explicit ButtonState(int frames) : frames_(frames) {}

    // inside: whether the pointer lies on the button at the time of the event.
    ButtonEffects MouseMove(bool inside);
    ButtonEffects ButtonDown(bool inside);
    ButtonEffects ButtonUp(bool inside);
    // The button stops following the mouse (it was hidden, or another window took the mouse
    // capture): back to Normal, giving back a capture it holds.
    ButtonEffects Leave();

    void SetSelected(bool selected) { selected_ = selected; }
    bool Selected() const { return selected_; }
    ButtonMode Mode() const { return mode_; }
    int Frames() const { return frames_; }
    // The frame to show, always one the strip has.
    int Frame() const;

private:
    // The move steps shared by all three events; they add to effects.
    void Follow(bool inside, ButtonEffects& effects);

    int frames_;
    ButtonMode mode_ = ButtonMode::Normal;
    bool selected_ = false;
    bool captured_ = false;
};
