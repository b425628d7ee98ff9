// The RPC run time's conversion of GUID text.
#pragma once

#include "platform/com/guiddef.h"
#include "platform/com/winerror.h"

// Parses the 36-character form "xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx" (hex digits in either case, no
// braces). Anything else, including a null text, gives RPC_S_INVALID_STRING_UUID and leaves *uuid
// untouched. A null text is rejected rather than read as GUID_NULL: the callers hold their identifiers
// as text, and a missing one is their fault, not a request for the null GUID.
RPC_STATUS UuidFromStringA(const unsigned char* text, GUID* uuid);
inline RPC_STATUS UuidFromStringA(const char* text, GUID* uuid) {
  return UuidFromStringA(reinterpret_cast<const unsigned char*>(text), uuid);
}
