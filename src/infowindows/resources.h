#pragma once

namespace vexa {

// Registers the resources of this library (help text, logo, icon). They live
// in a static library, so the linker would drop their registration unless
// something calls it; every reader of ":/vexa/..." calls this first.
void ensureInfoResources();

} // namespace vexa
