#pragma once

namespace talpora {

// Lets screen readers read the document tree: the view shows as a tree whose
// items are its shown rows, each named by its node's text, with its selected,
// focused, expandable and expanded states. Installed once per program.
void installNodeTreeAccessibility();

} // namespace talpora
