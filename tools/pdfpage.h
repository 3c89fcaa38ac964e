#pragma once

#include <QByteArray>
#include <functional>
#include <string>

// vpxtool's drawn pages (the sheet, the leave ledger). Painting needs a Qt application: make
// runs within an offscreen one, where no window is ever shown and the platform's notes about
// the session (no runtime folder and the like) stay quiet, and the PDF it returns is written
// to out. Returns 0, or 3 with the file's message on stderr.
int WritePdfPage(const std::string& out, const std::function<QByteArray()>& make);
