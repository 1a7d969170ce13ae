// The message table: every text the system shows the user, by number. A window shows
// them with message 0 as its caption; the command line prints them. The texts are in the
// language of UiLanguage (util/UiLanguage.h); nothing written into a gallery comes from here.
#pragma once

#include "util/DelphiFormat.h"

#include <string>
#include <vector>

namespace qor {

// The text of a key, with CR between its lines; empty for a key that is not in the table.
std::string GetMsgText(int key);
// The text filled with its arguments by the %s and %d rules.
std::string FormatMsg(int key, std::initializer_list<TFormatArg> args);
// Every key of the table, in ascending order.
std::vector<int> MsgKeys();

} // namespace qor
