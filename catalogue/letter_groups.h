// The letter groups of the courier list: which catalogue letters each group admits.
#pragma once

#include <string_view>

#include "text/text_ops.h"

// Whether group is one of the five letter groups "A-E", "F-J", "K-O", "P-T", "U-Z".
bool IsLetterGroup(std::string_view group);

// Whether a catalogue entry with this letter belongs to group, an item text of LetterGroupBox.
// A text that names none of the five letter groups ("全部") admits every letter.
bool GroupAdmits(std::string_view group, std::string_view letter);
