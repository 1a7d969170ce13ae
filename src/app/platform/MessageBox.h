// Message boxes of the message table: centred over the window, captioned with message 0,
// the buttons asked for with the first as the default and Esc meaning the last. Every
// question the program asks goes through ShowMsgText, so tests answer them through
// SetMsgAnswerer instead of a person.
#pragma once

#include "util/DelphiFormat.h"

#include <functional>
#include <initializer_list>
#include <string>

class QWidget;

namespace qor {

enum class TMsgKind { Confirmation, Information, Warning, Error };

// Buttons, combined with |; the answer is one of them.
enum TMsgButton : unsigned { mbOK = 1, mbYes = 2, mbNo = 4, mbCancel = 8 };

// Shows message key filled with args; answers the button pressed.
TMsgButton ShowMsgText(QWidget* window, int key, std::initializer_list<TFormatArg> args,
                       unsigned buttons, TMsgKind kind);
// The same for a text that is already complete (a reader's "[Err] " text, for example).
TMsgButton ShowMsgBox(QWidget* window, const std::string& text, unsigned buttons, TMsgKind kind);

// Answers message boxes in place of the user while set; an empty answerer restores the
// real boxes. The answerer gets the text with CR line breaks, as the table holds it.
using TMsgAnswerer = std::function<TMsgButton(const std::string& text, unsigned buttons, TMsgKind kind)>;
void SetMsgAnswerer(TMsgAnswerer answerer);

} // namespace qor
