// The courier picker: LetterGroupBox narrows CourierBox to one letter group, and each
// CommonCourierOption puts its one courier into CourierBox.
#pragma once

#include <string_view>

void FillCourierBox();
// option: the name of the CommonCourierOption button that was clicked.
void PickCommonCourier(std::string_view option);
