#include "catalogue/courier_picker.h"

void FillCourierBox() {}

void PickCommonCourier(std::string_view) {}
