#pragma once

void CreateControl();
