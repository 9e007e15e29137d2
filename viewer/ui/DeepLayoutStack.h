#pragma once

namespace talpora {

// Qt's tree view lays out an expanded branch by recursion, one call per level
// (about 330 bytes each), so the 8 MB main stack that Linux grants by default
// ends near 25,000 open levels. Raises the process's stack limit, once, so
// that the main thread's stack can grow far enough for documents nested a few
// hundred thousand levels deep. Does nothing where the limit cannot be raised.
void allowDeepTreeLayouts();

} // namespace talpora
