// The program's message boxes. A box that cannot be shown (no window system, no resources for
// it) answers NoAnswer, as one closed without an answer does; it is not a failed internal check.
#pragma once

class wxString;
class wxWindow;

enum class MessageBoxKind {
    Error,         // an error icon and OK
    ReplaceQuery,  // a warning icon, Yes and No, No by default
};

enum class MessageBoxAnswer { Ok, Yes, No, NoAnswer };

// Shows the box modal to parent (to the program when parent is nullptr) until it is answered.
MessageBoxAnswer ShowMessageBox(MessageBoxKind kind, const wxString& text, const wxString& title,
                                wxWindow* parent);
