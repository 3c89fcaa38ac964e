#pragma once

class QPrinter;

namespace sheetprinting {

// Makes the printer what the sheet expects: A4 portrait, 360 dpi, the page's printable area
// as the origin. (Apart from the printing itself, so that the printer setup can use it too.)
void SetUpSheetPrinter(QPrinter& printer);

}  // namespace sheetprinting
