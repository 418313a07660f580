// Names for screen readers, for controls whose text shows no name: lists,
// our own drawn controls and read-only preview boxes.
#pragma once

#include <windows.h>

#include <string>

namespace sonorix {

// The standard accessibility proxies name a control by the static label
// just before it in the tab order, and a control that shows no text of its
// own also by its window text. The label is made once, hidden, and then
// kept up to date; a preview box's own text stays what it shows.
void SetAccessibleName(HWND control, const std::wstring& name);

}  // namespace sonorix
