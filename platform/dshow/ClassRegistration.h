// Enters this layer's creatable classes in the component table.
#pragma once

namespace dshow {

// Idempotent; returns true.
bool RegisterClasses();

}  // namespace dshow
