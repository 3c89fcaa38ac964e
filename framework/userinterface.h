#pragma once

#include <string>

#include "framework/uitext.h"

// Answers of a message box.
enum class MsgAnswer { ok, cancel, yes, no };

// Kinds of box: buttons and icon.
enum class MsgKind {
    ok,           // OK, warning icon
    okCancel,     // OK and Cancel, warning icon
    yesNoCancel,  // the save prompt
    stop,         // OK, stop icon: a failed menu command
};

// What the document and the framework ask of the user. The GUI answers with message boxes
// and dialogs; tests and the command-line tool answer directly.
class IUserInterface {
public:
    virtual ~IUserInterface() = default;
    virtual MsgAnswer MessageBox(const UiText& text, MsgKind kind) = 0;
    // Sets the main window's caption.
    virtual void SetCaption(const UiText& caption) { (void)caption; }
};
