#pragma once
// A control's saved property set, offered to the control as a property bag: it asks for each
// value by key (without regard to case) and gets it in the type it asks for.
#include <windows.h>
#include <ocidl.h>

#include <cstdint>
#include <span>

#include "win32/com_ptr.h"

namespace wexlin {

// Null when the bytes are not a well-formed saved set.
win32::ComPtr<IPropertyBag> NewSavedSetBag(std::span<const std::uint8_t> saved_set);

}  // namespace wexlin
