// The pointing hand shown over every skin button, as rows for win::RegisterCursorResource.
#pragma once

constexpr int kHandCursorSize = 32;
constexpr int kHandCursorHotX = 5;  // the tip of the index finger
constexpr int kHandCursorHotY = 0;

const char* const* HandCursorRows();
