#include "app/toolbarimages.h"

#include "app/commandids.h"
#include "framework/qt/resourceicon.h"

namespace {

struct Button {
    int commandId;
    const char* image;  // res/icons/<image>.svg
};

constexpr Button kButtons[] = {
    {cmd::kFileNew, "file-new"},          // a blank sheet with a spark
    {cmd::kFileOpen, "file-open"},        // an open folder
    {cmd::kFileSave, "file-save"},        // a floppy disk
    {cmd::kFilePrint, "file-print"},      // a printer
    {cmd::kYearAdd, "year-add"},          // a desk calendar with a plus
    {cmd::kYearDelete, "year-delete"},    // a desk calendar with a cross
    {cmd::kEmployeeInfo, "employee"},     // a person
    {cmd::kExportMonth, "export-month"},  // a ruled sheet with an arrow leaving it
    {cmd::kWorkSummary, "work-summary"},  // a sheet of figures with a clock
    {cmd::kPasswordSet, "password"},      // a key
};

}  // namespace

QIcon toolbarimages::ButtonIcon(int id) {
    for (const Button& b : kButtons)
        if (b.commandId == id) return ResourceIcon(b.image);
    return {};
}

// The red attendance book with a clock face, res/vespin.svg.
QIcon toolbarimages::ProgramIcon() { return ResourceIcon("vespin"); }
