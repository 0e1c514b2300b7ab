#include "views/button_state.h"

void ButtonState::Follow(bool inside, ButtonEffects& effects) {
    switch (mode_) {
    case ButtonMode::Normal:
        // Only a pointer on the button starts hovering: after a release elsewhere the button
        // stays plain and leaves the mouse to the other windows.
        if (!inside) return;
        mode_ = ButtonMode::Hover;
        effects.repaint = true;
        break;
    case ButtonMode::Hover:
        if (inside) return;
        mode_ = ButtonMode::Normal;
        effects.repaint = true;
        break;
    case ButtonMode::PressedOutside:
    case ButtonMode::PressedInside:
        mode_ = inside ? ButtonMode::PressedInside : ButtonMode::PressedOutside;
        effects.repaint = true;
        break;
    }
    bool wantCapture = mode_ != ButtonMode::Normal;
    if (wantCapture != captured_) {
        captured_ = wantCapture;
        effects.capture = wantCapture ? CaptureChange::Take : CaptureChange::Release;
    }
}

ButtonEffects ButtonState::MouseMove(bool inside) {
    ButtonEffects effects;
    Follow(inside, effects);
    return effects;
}

ButtonEffects ButtonState::ButtonDown(bool inside) {
    ButtonEffects effects;
    mode_ = ButtonMode::PressedOutside;
    Follow(inside, effects);
    return effects;
}

ButtonEffects ButtonState::ButtonUp(bool inside) {
    ButtonEffects effects;
    bool wasPressed = mode_ == ButtonMode::PressedInside || mode_ == ButtonMode::PressedOutside;
    mode_ = ButtonMode::Normal;
    effects.repaint = true;
    Follow(inside, effects);
    // The release ends the press: if the button now hovers it keeps (or takes) the capture,
    // otherwise it gives it back.
    if (!inside && captured_) {
        captured_ = false;
        effects.capture = CaptureChange::Release;
    }
    effects.clicked = wasPressed && inside;
    return effects;
}

ButtonEffects ButtonState::Leave() {
    ButtonEffects effects;
    effects.repaint = mode_ != ButtonMode::Normal;
    mode_ = ButtonMode::Normal;
    if (captured_) {
        captured_ = false;
        effects.capture = CaptureChange::Release;
    }
    return effects;
}

int ButtonState::Frame() const {
    int frame = 0;
    if (selected_) {
        frame = 3;
    } else if (mode_ == ButtonMode::Hover || mode_ == ButtonMode::PressedOutside) {
        frame = 1;
    } else if (mode_ == ButtonMode::PressedInside) {
        frame = 2;
    }
    return frame < frames_ ? frame : 0;
}
