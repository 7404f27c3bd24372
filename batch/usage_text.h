// The texts of --help and --version.
#pragma once

#include <string>
#include <string_view>

std::string_view UsageText();
std::string VersionText();
