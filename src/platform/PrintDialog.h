#pragma once

#include <functional>

class QPrinter;

// The print dialog: printer (the default one preselected), pages (all, the current one or a
// range), copies and collation. Tests answer it with a stand-in instead of a window.
namespace PrintDialog {
using Handler = std::function<bool(QPrinter& printer, int pageCount)>;
bool ask(QPrinter& printer, int pageCount); // false when cancelled
void setHandlerForTests(Handler handler);   // an empty handler restores the real dialog
} // namespace PrintDialog
