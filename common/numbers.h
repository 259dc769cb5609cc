#pragma once
// Whole numbers as the settings file and the dialogs write them.

#include <string>

namespace zelvio {

// Decimal text to a 32-bit whole number: optional blanks, an optional sign,
// then digits and nothing else. Anything else raises ConversionError.
int StrToInt(const std::string& text);

// Decimal text with a leading "-" for negatives.
std::string IntToStr(long long value);

}  // namespace zelvio
