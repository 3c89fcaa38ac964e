#pragma once

// Turning the desktop's input method (Japanese entry) on or off for the window that has the
// keyboard, as the fields of the dialogs ask on receiving the focus. The desktop's switch
// speaks to the input method that is running: Fcitx5 through its controller on the session
// bus, IBus (with Mozc) through Qt's own connection to it; with neither, a request does nothing.
class InputMethodSwitch {
public:
    virtual ~InputMethodSwitch() = default;
    virtual void SetOpen(bool open) = 0;
};

// The switch in use: the desktop's, unless a test put another in its place.
InputMethodSwitch& TheInputMethodSwitch();
// Puts `replacement` (not owned) in place of the desktop's switch; null restores it.
void ReplaceInputMethodSwitch(InputMethodSwitch* replacement);
