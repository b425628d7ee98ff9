// The output choices are texts in the combo boxes ("44.1" kHz, "128" kbit/s); these turn them into
// the numbers an extraction request carries.
#pragma once

// The decimal value of a text with a point as decimal separator, whatever the process locale; the
// leading number of the text counts and anything after it is ignored (0 when there is none).
double ParseDecimalText(const char* pszText);

// kHz text times 1000, truncated toward zero: "44.1" gives 44100, "22.05" gives 22050.
int SampleRateFromText(const char* pszKHz);

// kbit/s text times 125 (bytes per second), truncated toward zero: "128" gives 16000.
int ByteRateFromText(const char* pszKbps);
