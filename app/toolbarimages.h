#pragma once

#include <QIcon>

// The tool bar's button images (24 x 24) and the program's icon, from the resource.
namespace toolbarimages {

// The image of the button with this command id; a null icon for any other id.
QIcon ButtonIcon(int commandId);
QIcon ProgramIcon();

}  // namespace toolbarimages
