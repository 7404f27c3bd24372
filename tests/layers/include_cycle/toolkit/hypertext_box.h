#pragma once

void MakeHypertext();
