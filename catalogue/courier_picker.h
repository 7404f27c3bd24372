// The courier picker: LetterGroupBox narrows CourierBox to one letter group, and each
// CommonCourierOption puts its one courier into CourierBox.
#pragma once

#include <string_view>

#include "catalogue/letter_groups.h"
#include "text/text_ops.h"

// The CourierBox item that a CommonCourierOption with this caption puts in: "DHL", "顺丰" and
// "FedEx" stand for longer catalogue names; every other caption is a catalogue name itself.
Text CommonCourierItem(std::string_view caption);

// Refills CourierBox with the catalogue names of the group chosen in LetterGroupBox.
void FillCourierBox();
// option: the name of the CommonCourierOption button that was clicked.
void PickCommonCourier(std::string_view option);
