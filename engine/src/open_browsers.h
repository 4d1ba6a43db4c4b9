// The browsers the engine reported as created through a life-span handler and
// has not yet reported as closed; the message loop ends when none is left.
#pragma once

namespace engine_internal {

// Both are called on the engine's UI thread.
void NoteBrowserCreated(int browserIdentifier);
void NoteBrowserClosed(int browserIdentifier);

}  // namespace engine_internal
