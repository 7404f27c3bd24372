// std::chrono's clocks and durations for code built with the GBK execution character set, in
// place of <chrono>: that header does not compile with it (its micro-second suffix has no GBK
// form). <condition_variable> brings the clocks and durations without the suffix.
#pragma once

#include <condition_variable>
