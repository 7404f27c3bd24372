// The courier picker: LetterGroupBox narrows CourierBox to one letter group, and each
// CommonCourierOption puts its one courier into CourierBox.
#pragma once

#include <string_view>

#include "text/text_ops.h"

// Whether a catalogue entry with this letter belongs to group, an item text of LetterGroupBox.
// A text that names none of the five letter groups ("全部") admits every letter.
bool GroupAdmits(std::string_view group, std::string_view letter);

// The CourierBox item that a CommonCourierOption with this caption puts in: "DHL", "顺丰" and
// "FedEx" stand for longer catalogue names; every other caption is a catalogue name itself.
Text CommonCourierItem(std::string_view caption);

// Refills CourierBox with the catalogue names of the group chosen in LetterGroupBox.
void FillCourierBox();
// option: the name of the CommonCourierOption button that was clicked.
void PickCommonCourier(std::string_view option);
